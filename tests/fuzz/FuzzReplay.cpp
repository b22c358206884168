// Runs the decoding fuzz target without libFuzzer: every input file once, then a bounded
// number of random mutations of them. Files named .wav, .mp3, ... are audio files and get
// the first byte that picks their type; other files are fuzz inputs as they stand.
#include "FuzzDecode.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Input = std::vector<std::uint8_t>;

Input inputFor(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    Input input;
    const int type = fuzz::extensions().indexOf(QFileInfo(path).suffix().toLower());
    if (type >= 0)
        input.push_back(static_cast<std::uint8_t>(type));
    input.insert(input.end(), bytes.begin(), bytes.end());
    return input;
}

void runOne(const Input& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

// Damage like a bad disk, a cut download or a hostile header would.
Input mutate(Input input, std::mt19937& random) {
    const auto below = [&random](std::size_t n) {
        return n == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const int edits = 1 + static_cast<int>(below(4));
    for (int e = 0; e < edits && input.size() > 1; ++e) {
        const std::size_t at = 1 + below(input.size() - 1);
        switch (below(6)) {
        case 0: // flip bits
            input[at] ^= static_cast<std::uint8_t>(1u << below(8));
            break;
        case 1: // random bytes
            for (std::size_t i = at; i < std::min(input.size(), at + 1 + below(16)); ++i)
                input[i] = static_cast<std::uint8_t>(below(256));
            break;
        case 2: { // extreme values, as in size and rate fields
            static const std::uint8_t kExtremes[] = {0x00, 0xFF, 0x7F, 0x80};
            const std::uint8_t value = kExtremes[below(4)];
            for (std::size_t i = at; i < std::min(input.size(), at + 4); ++i)
                input[i] = value;
            break;
        }
        case 3: // cut short
            input.resize(at);
            break;
        case 4: // lose a piece
            input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                        input.begin() +
                            static_cast<std::ptrdiff_t>(std::min(input.size(), at + 1 + below(512))));
            break;
        default: { // repeat a piece
            const std::size_t length = std::min(input.size() - at, 1 + below(512));
            const Input piece(input.begin() + static_cast<std::ptrdiff_t>(at),
                              input.begin() + static_cast<std::ptrdiff_t>(at + length));
            input.insert(input.begin() + static_cast<std::ptrdiff_t>(below(input.size())), piece.begin(),
                         piece.end());
            break;
        }
        }
    }
    if (below(8) == 0 && !input.empty())
        input[0] = static_cast<std::uint8_t>(below(256));
    return input;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    long iterations = 2000;
    unsigned seed = 1;
    // Stops early past this many seconds so that a slow (sanitised) build stays bounded.
    qint64 budgetMs = 60'000;
    std::vector<Input> inputs;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--iterations") && i + 1 < args.size())
            iterations = args[++i].toLong();
        else if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            seed = args[++i].toUInt();
        else if (args[i] == QLatin1String("--seconds") && i + 1 < args.size())
            budgetMs = args[++i].toLongLong() * 1000;
        else if (QFileInfo(args[i]).isDir())
            for (QDirIterator it(args[i], QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
                inputs.push_back(inputFor(it.next()));
        else
            inputs.push_back(inputFor(args[i]));
    }
    if (inputs.empty()) {
        std::fprintf(stderr,
                     "usage: fuzz_decode_replay [--iterations N] [--seed S] [--seconds S] FILE|DIR...\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    for (const Input& input : inputs)
        runOne(input);
    std::mt19937 random(seed);
    long done = 0;
    for (; done < iterations && clock.elapsed() < budgetMs; ++done)
        runOne(mutate(inputs[random() % inputs.size()], random));
    std::printf("%zu inputs replayed, %ld mutations run in %.1f s, seed %u\n", inputs.size(), done,
                static_cast<double>(clock.elapsed()) / 1000, seed);
    return 0;
}
