#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

// The live peak level of several sources at once, for meters: the sound server measures each
// source's peak a few dozen times a second and hands over just that, so watching a dozen
// sources costs next to nothing. Runs on a connection of its own while the object lives.
class SourcePeaks {
public:
    explicit SourcePeaks(const std::vector<std::string>& serverNames);
    ~SourcePeaks();
    SourcePeaks(const SourcePeaks&) = delete;
    SourcePeaks& operator=(const SourcePeaks&) = delete;

    // The latest peak of source `index`, 0..1 of full scale; 0 before the first or without a server.
    double peak(int index) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
