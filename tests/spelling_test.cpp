// The English texts the player reads: the string literals of the sources and the help's
// English file are scanned for misspellings and slips that were once in the game, so that
// none of them comes back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Words (whole, any case) and phrases (lower case) that a player once saw.
const char* const kMisspelt[] = {
    "enought",      "werehouse", "powerfull", "prople",   "decleared",  "agains",     "taked",
    "unneccessary", "avaible",   "knowlegde", "batery",   "musics",     "aganist",    "threating",
    "threated",     "luckly",    "peoplke",   "occuring", "disapears",  "electricty", "cordinates",
    "uppest",       "valueable", "colesseum", "falt",     "copernic's", "golds",
};
const char* const kSlips[] = {
    "impressed from", "higher then",       "can not ", "attack to an", "which lies in",
    "defence our",    "pay your contempt", "wait him", "in a peace",   "cargos",
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The string literals of a C++ source, with comments and character literals left out.
// A literal broken over lines by the compiler's joining ("a " "b") comes as two.
std::vector<std::string> Literals(const std::string& source) {
    std::vector<std::string> out;
    for (size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
            i = source.find('\n', i);
            if (i == std::string::npos) break;
        } else if (c == '/' && i + 1 < source.size() && source[i + 1] == '*') {
            i = source.find("*/", i + 2);
            if (i == std::string::npos) break;
            ++i;
        } else if (c == '\'') {
            i += source[i + 1] == '\\' ? 3 : 2;
        } else if (c == '"') {
            std::string text;
            for (++i; i < source.size() && source[i] != '"'; ++i) {
                if (source[i] == '\\' && i + 1 < source.size()) ++i;
                text += source[i];
            }
            out.push_back(text);
        }
    }
    return out;
}

// The misspelt words and slips of one text; the sound "golds" and file names are names,
// not texts.
std::vector<std::string> Faults(const std::string& text) {
    std::vector<std::string> found;
    const std::string lower = Lower(text);
    if (lower == "golds") return found;
    std::string word;
    for (size_t i = 0; i <= lower.size(); ++i) {
        const char c = i < lower.size() ? lower[i] : ' ';
        if (std::isalpha(static_cast<unsigned char>(c)) || (c == '\'' && !word.empty())) {
            word += c;
            continue;
        }
        if (!word.empty() && word.back() == '\'') word.pop_back();
        for (const char* bad : kMisspelt)
            if (word == bad) found.push_back(word);
        word.clear();
    }
    // A phrase is found inside one literal; one broken between two joined literals
    // escapes the scan.
    for (const char* slip : kSlips)
        if (lower.find(slip) != std::string::npos) found.push_back(slip);
    return found;
}

} // namespace

TEST(Spelling, TheKnownMisspellingsAreGoneFromEveryEnglishText) {
    // The scan itself finds what it looks for.
    EXPECT_EQ(Faults("Your treasure is not enought."), std::vector<std::string>{"enought"});
    EXPECT_EQ(Faults("these people are impressed from our culture"),
              std::vector<std::string>{"impressed from"});
    EXPECT_TRUE(Faults("Enough gold in the Warehouse").empty());
    EXPECT_EQ(Literals("f(\"a\\\"b\", 'x', '\"'); // \"c\"\n/* \"d\" */ \"e\""),
              (std::vector<std::string>{"a\"b", "e"}));

    const fs::path root = ANNALS_SOURCE_DIR;
    int files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / "src")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        ++files;
        for (const std::string& text : Literals(ReadFile(entry.path())))
            for (const std::string& fault : Faults(text))
                ADD_FAILURE() << entry.path().lexically_relative(root).string() << ": \"" << fault
                              << "\" in \"" << text << "\"";
    }
    EXPECT_GT(files, 50);

    std::istringstream help(ReadFile(root / "assets" / "help" / "en.txt"));
    std::string line;
    int number = 0;
    while (std::getline(help, line)) {
        ++number;
        for (const std::string& fault : Faults(line))
            ADD_FAILURE() << "assets/help/en.txt:" << number << ": \"" << fault << "\" in \"" << line << "\"";
    }
    EXPECT_GT(number, 100);
}
