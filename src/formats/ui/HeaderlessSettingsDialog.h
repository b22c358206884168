#pragma once

#include "formats/ui/FormatDialog.h"

#include <vector>

// The VOX, G.726 and RAW dialogs (`frmVOX`, `frmG726`, `frmRAW`): groups of option buttons
// over their section, handed to the writer on OK. One class, set up from a table per format.
class HeaderlessSettingsDialog : public FormatDialog {
    Q_OBJECT
public:
    enum class Format { Vox, G726, Raw };

    HeaderlessSettingsDialog(Format format, const QString& appFolder, const QString& settingsFile,
                             AudioFileWriter& writer, QWidget* parent = nullptr);

private:
    void saveAndAccept();

    struct Group;
    struct Layout;
    static const Layout& layoutOf(Format format);

    const Layout& m_layout;
    std::vector<QButtonGroup*> m_groups;
};
