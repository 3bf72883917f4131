// Speed of the text file classes on a large file of ordinary text lines, in each encoding,
// beside std::getline over the same bytes in the same run, and beside bare reads of 1024-byte
// blocks (the floor for a reader that reads the file a block at a time), and over many small
// files. Prints figures only.
//   textfile_benchmark [megabytes of text, default 64] [runs per figure, default 3]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "code_page_conversion.h"
#include "file_handle.h"
#include "text_file_read.h"
#include "text_file_write.h"

using namespace Velkora;

namespace {

// Words of the kind a licence, a card list or a report holds, a few outside ASCII (all of
// them in Windows-1252, so that every encoding carries the same text).
const wchar_t* const kWords[] = {
    L"the",
    L"licence",
    L"agreement",
    L"software",
    L"graphics",
    L"driver",
    L"version",
    L"memory",
    L"of",
    L"and",
    L"to",
    L"in",
    L"for",
    L"NVIDIA",
    L"Quadro",
    L"P4000",
    L"Radeon",
    L"Pro",
    L"WX",
    L"7100",
    L"GB",
    L"Windows",
    L"10",
    L"64-bit",
    L"Gr\u00FC\u00DFe",
    L"\u00C4nderung",
    L"Pr\u00FCfung",
    L"\u20AC",
    L"12,50",
    L"caf\u00E9",
    L"na\u00EFve",
    L"is",
    L"not",
    L"supported",
    L"recommended",
    L"minimum",
    L"requirement",
    L"user",
    L"shall",
    L"may",
    L"without",
    L"warranty",
    L"any",
    L"kind",
    L"express",
    L"or",
    L"implied",
};

struct Lcg {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    std::uint32_t Next() {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(state >> 33);
    }
};

// About 4 MB of distinct lines of 0 to 140 characters; the file repeats them.
std::vector<std::wstring> MakeLines() {
    Lcg random;
    std::vector<std::wstring> lines;
    std::size_t total = 0;
    while (total < 4u << 20) {
        std::wstring line;
        const std::size_t length = random.Next() % 141;
        while (line.size() < length) {
            if (!line.empty())
                line += L' ';
            line += kWords[random.Next() % std::size(kWords)];
        }
        if (random.Next() % 7 == 0)
            line = L"\t" + line + L";";
        total += line.size() + 2;
        lines.push_back(std::move(line));
    }
    return lines;
}

using Clock = std::chrono::steady_clock;

// A figure of a read that failed would measure nothing: the benchmark stops instead.
void Require(bool worked, const char* what) {
    if (!worked) {
        std::fprintf(stderr, "textfile_benchmark: %s failed\n", what);
        std::exit(1);
    }
}

template <class F> double BestSeconds(int runs, F&& run) {
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

const char* Name(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi:
        return "Ansi";
    case TextEncoding::Utf16BigEndian:
        return "UTF-16 BE";
    case TextEncoding::Utf16LittleEndian:
        return "UTF-16 LE";
    case TextEncoding::Utf8:
        return "UTF-8";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::max(1L, std::atol(argv[1])) : 64;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const std::vector<std::wstring> lines = MakeLines();
    std::size_t blockChars = 0;
    for (const auto& line : lines)
        blockChars += line.size() + 2;
    const std::size_t repeats = (static_cast<std::size_t>(megabytes) * 1000000 + blockChars - 1) / blockChars;

    std::error_code ignored;
    const auto dir = std::filesystem::temp_directory_path() / "velkora-textfile-benchmark";
    std::filesystem::create_directories(dir);
    const std::wstring path = (dir / "bench.txt").wstring();

    std::printf("%zu lines of text, %zu characters (MB = 10^6 bytes of the file, best of %d runs)\n",
                lines.size() * repeats, blockChars * repeats, runs);
    std::printf("%-10s %8s %11s %13s %12s %13s %12s %9s %9s\n", "encoding", "file MB", "write MB/s",
                "ReadTextLine", "ReadAllText", "std::getline", "1K reads", "lines", "getline");
    for (TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LittleEndian,
                                  TextEncoding::Utf16BigEndian}) {
        const double writeSeconds = BestSeconds(runs, [&] {
            CTextFileWrite writer(path, encoding);
            writer.SetConversionCodePage(kCodePageWindows1252);
            for (std::size_t r = 0; r < repeats; ++r) {
                for (const auto& line : lines) {
                    writer.WriteText(std::wstring_view(line));
                    writer.WriteNewLine();
                }
            }
            writer.CloseFile();
        });
        const double fileMb = static_cast<double>(std::filesystem::file_size(dir / "bench.txt")) / 1e6;

        std::size_t ourLines = 0, ourChars = 0;
        const double readSeconds = BestSeconds(runs, [&] {
            CTextFileRead reader(path);
            reader.SetConversionCodePage(kCodePageWindows1252);
            std::wstring line;
            ourLines = ourChars = 0;
            while (reader.ReadTextLine(line)) {
                ++ourLines;
                ourChars += line.size();
            }
        });
        std::size_t allChars = 0;
        const double allSeconds = BestSeconds(runs, [&] {
            CTextFileRead reader(path);
            reader.SetConversionCodePage(kCodePageWindows1252);
            std::wstring text;
            Require(reader.ReadAllText(text, L"\r\n"), "reading the whole file");
            allChars = text.size();
        });
        std::size_t theirLines = 0, theirBytes = 0;
        const double getlineSeconds = BestSeconds(runs, [&] {
            std::ifstream in(dir / "bench.txt", std::ios::binary);
            std::string line;
            theirLines = theirBytes = 0;
            while (std::getline(in, line)) {
                ++theirLines;
                theirBytes += line.size();
            }
        });
        const double blockSeconds = BestSeconds(runs, [&] {
            CFileHandle file;
            Require(file.OpenForRead(path), "opening the file");
            unsigned char block[CTextFileBase::kBlockSize];
            std::uint32_t got = 0;
            while (file.Read(block, sizeof block, got) && got > 0) {
            }
        });
        std::printf("%-10s %8.1f %11.1f %13.1f %12.1f %13.1f %12.1f %9zu %9zu\n", Name(encoding), fileMb,
                    fileMb / writeSeconds, fileMb / readSeconds, fileMb / allSeconds, fileMb / getlineSeconds,
                    fileMb / blockSeconds, ourLines, theirLines);
        std::fflush(stdout);
        if (ourChars + 2 * (ourLines - 1) != allChars)
            std::printf("  ReadAllText length differs!\n");
    }
    // Many small files, as a caller reading a licence or a card list per run (or a fuzzer) sees
    // them: the cost per file is opening it and sizing the output, not the text.
    constexpr int kSmallFiles = 2000;
    std::vector<std::wstring> smallPaths;
    for (int i = 0; i < kSmallFiles; ++i) {
        smallPaths.push_back((dir / ("small" + std::to_string(i) + ".txt")).wstring());
        CTextFileWrite writer(smallPaths.back(), TextEncoding::Utf8);
        writer.WriteText(std::wstring_view(lines[static_cast<std::size_t>(i) % lines.size()]));
        writer.WriteNewLine();
        writer.CloseFile();
    }
    std::size_t smallChars = 0;
    const double smallSeconds = BestSeconds(runs, [&] {
        smallChars = 0;
        for (const std::wstring& smallPath : smallPaths) {
            CTextFileRead reader(smallPath);
            std::wstring text;
            Require(reader.ReadAllText(text, L"\r\n"), "reading the whole file");
            smallChars += text.size();
        }
    });
    std::printf(
        "%d small UTF-8 files of one line (%zu characters): ReadAllText %.0f files/s, %.1f us per file\n",
        kSmallFiles, smallChars, kSmallFiles / smallSeconds, smallSeconds * 1e6 / kSmallFiles);
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
