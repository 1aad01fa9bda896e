// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// make-journal: writes a journal of sample readings for the benchmarks and for trying the Journal window with a
// full journal. Usage: make-journal FILE [COUNT]  (COUNT defaults to 100000; FILE must not exist yet).

#include "journal_generator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "Usage: make-journal FILE [COUNT]\n");
        return 2;
    }
    const int count = argc == 3 ? std::atoi(argv[2]) : 100000;
    std::error_code error;
    if (count <= 0 || std::filesystem::exists(argv[1], error)) {
        std::fprintf(stderr, "make-journal: COUNT must be a positive number and FILE must not exist yet\n");
        return 2;
    }
    journal::OpenResult opened = journal::Journal::open(argv[1]);
    if (!opened.journal) {
        std::fprintf(stderr, "make-journal: %s\n", opened.message.c_str());
        return 1;
    }
    if (const std::string problem = bench::fillJournal(*opened.journal, count); !problem.empty()) {
        std::fprintf(stderr, "make-journal: %s\n", problem.c_str());
        return 1;
    }
    opened.journal.reset(); // closing folds the write-ahead log into the file, so its size is the journal's
    const auto bytes = std::filesystem::file_size(argv[1], error);
    std::printf("%d readings, %llu bytes, %.0f bytes per reading\n", count, static_cast<unsigned long long>(bytes),
                static_cast<double>(bytes) / count);
    return 0;
}
