// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

// Reads a PDF file back the way a person's viewer would, with poppler's command-line tools
// (pdftotext, pdfinfo, pdffonts, pdfimages; tools/install-deps installs them).
namespace testing_support {

// The standard output of the program run with these arguments, no shell in between.
inline std::string commandOutput(std::vector<std::string> words)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    std::string output;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << words[0] << " failed (run tools/install-deps)";
    return output;
}

// The text a reader selects, page after page, each page ended by a form feed.
inline std::string pdfText(const std::string& path)
{
    return commandOutput({"pdftotext", "-enc", "UTF-8", path, "-"});
}

inline std::string pdfInfo(const std::string& path)
{
    return commandOutput({"pdfinfo", path});
}

// One line per font after two heading lines; the fifth column says whether it is embedded.
inline std::vector<std::string> pdfFontLines(const std::string& path)
{
    std::istringstream lines(commandOutput({"pdffonts", path}));
    std::vector<std::string> fonts;
    std::string line;
    for (int heading = 0; heading < 2 && std::getline(lines, line); ++heading) {
    }
    while (std::getline(lines, line))
        fonts.push_back(line);
    return fonts;
}

struct PdfImage {
    int page = 0;
    std::string type; // "image", or "smask"/"mask" for a transparency mask
    int width = 0;
    int height = 0;
};

inline std::vector<PdfImage> pdfImages(const std::string& path)
{
    std::istringstream lines(commandOutput({"pdfimages", "-list", path}));
    std::vector<PdfImage> images;
    std::string line;
    for (int heading = 0; heading < 2 && std::getline(lines, line); ++heading) {
    }
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        PdfImage image;
        int number = 0;
        fields >> image.page >> number >> image.type >> image.width >> image.height;
        images.push_back(image);
    }
    return images;
}

// Text compared as words: line breaks and the number of spaces between words depend on the page width.
inline std::string withoutLayout(std::string_view text)
{
    std::string result;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\f' || c == '\t') {
            space = !result.empty();
            continue;
        }
        if (space)
            result += ' ';
        space = false;
        result += c;
    }
    return result;
}

} // namespace testing_support
