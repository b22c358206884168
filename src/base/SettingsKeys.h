#pragma once

#include <QLatin1String>

// The sections of settings.dat and their keys, spelt as stored files hold them. The output
// formats' own sections are listed with the format settings.
namespace SettingsKeys {

// Section `set`: where recordings go, how they are named and split, the output format chosen.
namespace Set {
inline constexpr QLatin1String kSection("set");
inline constexpr QLatin1String kOutputFolder("outputfolder");
inline constexpr QLatin1String kFileName("filename");
inline constexpr QLatin1String kDateTime("datetime");
inline constexpr QLatin1String kExistedFile("existedfile");
inline constexpr QLatin1String kSplitMinutes("splitminutes");
inline constexpr QLatin1String kSplitMegabytes("splitmb");
inline constexpr QLatin1String kOutputFormat("outputformat");
} // namespace Set

// Section `other`: the signal chain's filters and automatic gain.
namespace Other {
inline constexpr QLatin1String kSection("other");
inline constexpr QLatin1String kNotch("notch");
inline constexpr QLatin1String kNotchFrequency("notchtxt");
inline constexpr QLatin1String kHighPass("highpass");
inline constexpr QLatin1String kHighPassFrequency("highpasstxt");
inline constexpr QLatin1String kLowPass("lowpass");
inline constexpr QLatin1String kLowPassFrequency("lowpasstxt");
inline constexpr QLatin1String kAutoGain("autogain");
inline constexpr QLatin1String kLowLevel("lowlevel");
inline constexpr QLatin1String kHighLevel("highlevel");
inline constexpr QLatin1String kAttackTime("attacktime");
} // namespace Other

// Section `activation`: the pre-record ring and sound-activated recording.
namespace Activation {
inline constexpr QLatin1String kSection("activation");
inline constexpr QLatin1String kPrerecord("prerecord");
inline constexpr QLatin1String kEnabled("enabled");
inline constexpr QLatin1String kThreshold("threshold");
inline constexpr QLatin1String kHold("hold");
inline constexpr QLatin1String kPreroll("preroll");
} // namespace Activation

// Section `health`: the alarms of a running recording.
namespace Health {
inline constexpr QLatin1String kSection("health");
inline constexpr QLatin1String kSilenceAlarm("silencealarm");
} // namespace Health

// Section `mix`: sources recorded together; `level1`, `level2`, ... follow the sources' order.
namespace Mix {
inline constexpr QLatin1String kSection("mix");
inline constexpr QLatin1String kSources("sources");
inline constexpr QLatin1String kLayout("layout");
inline constexpr QLatin1String kLevelPrefix("level");
} // namespace Mix

} // namespace SettingsKeys
