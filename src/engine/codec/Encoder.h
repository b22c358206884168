#pragma once

#include "engine/dsp/SampleBlock.h"

#include <QString>

// What went wrong inside an encoder, for AudioFileWriter to turn into its status.
struct EncoderError {
    enum class Kind { None, NoSpace, TooLarge, System };
    Kind kind = Kind::None;
    QString reason;

    bool failed() const { return kind != Kind::None; }
};

// The error for an errno value from a file operation.
EncoderError systemError(int code);

// One open output file of one format. AudioFileWriter owns exactly one while a file is
// open; each format lives in its own class behind this interface.
class Encoder {
public:
    virtual ~Encoder() = default;
    // Appends interleaved samples (whole frames); on failure the file is already finalised.
    virtual EncoderError write(const SampleBlock& block) = 0;
    // Completes the file on disk; further calls do nothing.
    virtual EncoderError close() = 0;
};
