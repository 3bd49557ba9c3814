#include "shell/settings.h"

#include "persist/save_game.h"
#include "platform/platform.h"
#include "shell/program.h"
#include "state/rules.h"
#include "state/state.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace annals {

namespace {

constexpr long kLargestFile = 64L * 1024; // far above any real settings file

struct Descriptor {
    std::string name;
    const char* values; // what the value may be, for the error of a wrong one
    std::function<std::string(const Settings&)> get;
    std::function<bool(Settings&, const std::string&)> set;
};

bool ReadVolume(const std::string& text, int& volume) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int v = std::atoi(text.c_str());
    if (v > 100) return false;
    volume = v;
    return true;
}

// A setting with a few named values.
template <typename T>
Descriptor Choice(const std::string& name, const char* values, T Settings::*field,
                  std::vector<std::pair<std::string, T>> names) {
    return {name, values,
            [field, names](const Settings& s) {
                for (const auto& [text, value] : names)
                    if (s.*field == value) return text;
                return names.front().first;
            },
            [field, names](Settings& s, const std::string& text) {
                for (const auto& [known, value] : names)
                    if (known == text) {
                        s.*field = value;
                        return true;
                    }
                return false;
            }};
}

const std::vector<Descriptor>& Descriptors() {
    static const std::vector<Descriptor> table = [] {
        std::vector<Descriptor> d;
        d.push_back({"music-volume", "a whole number from 0 to 100",
                     [](const Settings& s) { return std::to_string(s.musicVolume); },
                     [](Settings& s, const std::string& v) { return ReadVolume(v, s.musicVolume); }});
        d.push_back({"effects-volume", "a whole number from 0 to 100",
                     [](const Settings& s) { return std::to_string(s.effectsVolume); },
                     [](Settings& s, const std::string& v) { return ReadVolume(v, s.effectsVolume); }});
        d.push_back(Choice<int>("language", "en or tr", &Settings::language, {{"en", 1}, {"tr", 2}}));
        d.push_back(Choice<bool>("screen", "fullscreen or window", &Settings::fullscreen,
                                 {{"fullscreen", true}, {"window", false}}));
        d.push_back(Choice<bool>("scaling", "fit or whole", &Settings::wholeScaling,
                                 {{"fit", false}, {"whole", true}}));
        d.push_back(Choice<ComputerTurns>("computer-turns", "follow, faster or result",
                                          &Settings::computerTurns,
                                          {{"follow", ComputerTurns::Follow},
                                           {"faster", ComputerTurns::Faster},
                                           {"result", ComputerTurns::Result}}));
        for (int a = 0; a < kKeyActions; ++a)
            d.push_back({std::string("key.") + KeyActionName(a),
                         "up to three key names joined by commas (KP8,Up), or none",
                         [a](const Settings& s) { return KeyListText(s.keys.keys[a]); },
                         [a](Settings& s, const std::string& v) {
                             std::string ignored;
                             return ParseKeyList(v, s.keys.keys[a], ignored);
                         }});
        return d;
    }();
    return table;
}

const Descriptor* Find(const std::string& name) {
    for (const Descriptor& d : Descriptors())
        if (d.name == name) return &d;
    return nullptr;
}

Settings current;
std::map<std::string, std::string> fileEntries; // what the file says, value texts in canonical form
// What went wrong with the file when it was read, told in the language of the moment.
enum class Problem { None, Unreadable, NotSettings, Damaged } problem = Problem::None;
std::string problemDetail;
int commandLineLanguage = 0;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool LanguageFileExists() {
    struct stat st {};
    return stat((gameFolder + "/language.txt").c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string FileText(const std::map<std::string, std::string>& entries) {
    std::string text = "# Annals settings: one \"name = value\" a line; what is not here keeps its default.\n"
                       "# annals-cli settings lists every setting, its value and where it came from.\n";
    for (const Descriptor& d : Descriptors())
        if (auto it = entries.find(d.name); it != entries.end()) text += d.name + " = " + it->second + "\n";
    return text;
}

// Written as saves are: a new temporary file beside it, renamed over the old one, so
// that a failure leaves the file as it was.
bool WriteEntries(const std::map<std::string, std::string>& entries, std::string& reason) {
    const std::string path = SettingsPath();
    if (path.empty()) {
        reason = "neither XDG_CONFIG_HOME nor HOME names a folder for it";
        return false;
    }
    const std::string folder = path.substr(0, path.find_last_of('/'));
    if (!MakeFolders(folder)) {
        reason = folder + ": " + std::strerror(errno ? errno : ENOTDIR);
        return false;
    }
    std::string why;
    if (WriteFileWhole(path, FileText(entries), why)) return true;
    reason = path + ": " + why;
    return false;
}

// Takes the new settings and file entries into use, and writes the file.
SettingChange Commit(const Settings& next, const std::map<std::string, std::string>& entries,
                     std::string& error) {
    current = next;
    fileEntries = entries;
    ApplySettings();
    std::string reason;
    if (WriteEntries(entries, reason)) return SettingChange::Changed;
    error = reason;
    return SettingChange::NotWritten;
}

} // namespace

const Settings& CurrentSettings() {
    return current;
}

std::string SettingsPath() {
    const std::string folder = UserFolder("XDG_CONFIG_HOME", ".config");
    return folder.empty() ? folder : folder + "/settings";
}

void LoadSettings() {
    current = Settings{};
    fileEntries.clear();
    problem = Problem::None;
    problemDetail.clear();
    const std::string path = SettingsPath();
    if (path.empty()) return;
    // Opened without waiting (a FIFO would block) and read only when it is a file.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            problem = Problem::Unreadable;
            problemDetail = path + ": " + std::strerror(errno);
        }
        return;
    }
    struct stat st {};
    std::string text;
    bool readable = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kLargestFile;
    if (readable) {
        text.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = read(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        readable = done == text.size();
    }
    close(fd);
    if (!readable) {
        problem = Problem::NotSettings;
        problemDetail = path;
        return;
    }
    std::stringstream lines(text);
    std::string damaged;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t equals = line.find('=');
        const std::string name = equals == std::string::npos ? line : Trim(line.substr(0, equals));
        const std::string value = equals == std::string::npos ? "" : Trim(line.substr(equals + 1));
        const Descriptor* d = Find(name);
        Settings next = current;
        if (!d || !d->set(next, value)) {
            damaged += (damaged.empty() ? "line " : ", line ") + std::to_string(number);
            continue;
        }
        current = next;
        fileEntries[name] = d->get(current);
    }
    // Two orders on one key cannot both be kept: the whole table goes back to its defaults.
    if (const std::string clash = KeyClash(current.keys); !clash.empty()) {
        current.keys = DefaultKeyTable();
        for (int a = 0; a < kKeyActions; ++a) fileEntries.erase(std::string("key.") + KeyActionName(a));
        damaged += (damaged.empty() ? "" : ", ") + clash;
    }
    if (!damaged.empty()) {
        problem = Problem::Damaged;
        problemDetail = path + ": " + damaged;
    }
}

std::string SettingsProblem() {
    switch (problem) {
    case Problem::Unreadable:
        return Tr("The settings could not be read; every setting has its default. (",
                  "Ayarlar okunamadı; her ayar varsayılan değerinde. (") +
               problemDetail + ")";
    case Problem::NotSettings:
        return Tr("The settings file is not one the game can read; every setting has its default. (",
                  "Ayar dosyası oyunun okuyabileceği bir dosya değil; her ayar varsayılan değerinde. (") +
               problemDetail + ")";
    case Problem::Damaged:
        return Tr("The settings file is damaged; what could not be read keeps its default. (",
                  "Ayar dosyası bozuk; okunamayan ayarlar varsayılan değerinde. (") +
               problemDetail + ")";
    case Problem::None:
        break;
    }
    return {};
}

void SetCommandLineLanguage(int language) {
    commandLineLanguage = language == 1 || language == 2 ? language : 0;
}

int EffectiveLanguage() {
    if (commandLineLanguage != 0) return commandLineLanguage;
    if (current.language != 0) return current.language;
    return ReadLanguageFile(gameFolder + "/language.txt");
}

void ApplySettings() {
    game.language = static_cast<uint8_t>(EffectiveLanguage());
    ActiveKeyTable() = current.keys;
    SetComputerTurnsShown(current.computerTurns);
    Platform& platform = ThePlatform();
    platform.SetVolumes(current.musicVolume, current.effectsVolume);
    platform.SetFullscreen(current.fullscreen);
    platform.SetWholeNumberScaling(current.wholeScaling);
}

std::vector<std::string> SettingNames() {
    std::vector<std::string> names;
    for (const Descriptor& d : Descriptors()) names.push_back(d.name);
    return names;
}

std::vector<SettingLine> ListSettings() {
    std::vector<SettingLine> lines;
    for (const Descriptor& d : Descriptors()) {
        const bool inFile = fileEntries.count(d.name) != 0;
        SettingLine line{d.name, d.get(current), inFile ? "settings file" : "default"};
        if (d.name == "language") {
            line.value = EffectiveLanguage() == 2 ? "tr" : "en";
            if (commandLineLanguage != 0)
                line.source = "--lang";
            else if (!inFile && LanguageFileExists())
                line.source = "language.txt";
        }
        lines.push_back(line);
    }
    return lines;
}

SettingChange ChangeSetting(const std::string& name, const std::string& value, std::string& error) {
    const Descriptor* d = Find(name);
    if (!d) {
        error = "there is no setting \"" + name + "\" (annals-cli settings lists them)";
        return SettingChange::Refused;
    }
    Settings next = current;
    if (!d->set(next, value)) {
        error = name + " is " + d->values;
        if (name.rfind("key.", 0) == 0) {
            int keys[kKeysPerAction];
            std::string reason;
            if (!ParseKeyList(value, keys, reason)) error += ": " + reason;
        }
        return SettingChange::Refused;
    }
    if (const std::string clash = KeyClash(next.keys); !clash.empty()) {
        error = clash + "; give the other order another key first";
        return SettingChange::Refused;
    }
    auto entries = fileEntries;
    entries[name] = d->get(next);
    return Commit(next, entries, error);
}

SettingChange ChangeKeys(const KeyTable& keys, std::string& error) {
    if (const std::string clash = KeyClash(keys); !clash.empty()) {
        error = clash;
        return SettingChange::Refused;
    }
    Settings next = current;
    next.keys = keys;
    auto entries = fileEntries;
    // An order with its own keys again is left out of the file.
    for (int a = 0; a < kKeyActions; ++a) {
        const std::string name = std::string("key.") + KeyActionName(a);
        const std::string text = KeyListText(keys.keys[a]);
        if (text == KeyListText(DefaultKeyTable().keys[a]))
            entries.erase(name);
        else
            entries[name] = text;
    }
    return Commit(next, entries, error);
}

void NoteScreenMode(bool fullscreen) {
    if (current.fullscreen == fullscreen) return;
    std::string error;
    if (ChangeSetting("screen", fullscreen ? "fullscreen" : "window", error) == SettingChange::NotWritten)
        ThePlatform().LogOnce("the screen setting could not be kept for the next start: " + error);
}

int SettingsCommand(const std::vector<std::string>& words, std::string& out, std::string& err) {
    const std::string usage = "usage: annals-cli settings [set NAME VALUE]\n";
    const std::string path = SettingsPath();
    if (words.empty()) {
        struct stat st {};
        out += "settings file: " +
               (path.empty() ? std::string("none (neither XDG_CONFIG_HOME nor HOME is set)") : path) +
               (!path.empty() && stat(path.c_str(), &st) != 0 ? " (not written yet)" : "") + "\n";
        for (const SettingLine& line : ListSettings()) {
            char row[160];
            std::snprintf(row, sizeof row, "%-22s %-16s %s\n", line.name.c_str(), line.value.c_str(),
                          line.source.c_str());
            out += row;
        }
        return 0;
    }
    if (words.size() != 3 || words[0] != "set") {
        err = usage;
        return 2;
    }
    std::string error;
    switch (ChangeSetting(words[1], words[2], error)) {
    case SettingChange::Changed:
        out += words[1] + " = " + Find(words[1])->get(current) + " (" + path + ")\n";
        return 0;
    case SettingChange::Refused:
        err = "settings: " + error + "\n";
        return 2;
    case SettingChange::NotWritten:
        err = "settings: the settings file could not be written: " + error + "\n";
        return 1;
    }
    return 1;
}

} // namespace annals
