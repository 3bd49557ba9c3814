// The slot files: where they live, and writing them so that a failure never costs the
// player the game he had saved before.
#include "persist/save_game.h"

#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace annals {

bool MakeFolders(const std::string& path) {
    std::string partial;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            if (!partial.empty() && mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
        if (i < path.size()) partial += path[i];
    }
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string UserFolder(const char* variable, const char* underHome) {
    // Only an absolute base folder counts; a relative one is to be ignored.
    if (const char* base = std::getenv(variable); base && *base == '/') return std::string(base) + "/annals";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/" + underHome + "/annals";
    return {};
}

namespace {

constexpr long kLargestSave = 16L << 20; // far above any real game; a bigger file is no save

bool Writable(const std::string& folder) {
    return MakeFolders(folder) && access(folder.c_str(), W_OK) == 0;
}

std::string UserSaveFolder() {
    const std::string folder = UserFolder("XDG_DATA_HOME", ".local/share");
    return folder.empty() ? folder : folder + "/Save";
}

bool autosaveFailureShown = false;

} // namespace

std::string SaveFolder() {
    // Asked for every slot of every list: the folder is found once for each game folder
    // and user folder, and looked for again only when it has gone.
    static std::string key, found;
    const std::string user = UserSaveFolder();
    const std::string now = gameFolder + "|" + user;
    struct stat st {};
    if (now == key && stat(found.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return found;
    key = now;
    const std::string beside = gameFolder + "/Save";
    if (Writable(beside)) found = beside;
    // A game installed for all users cannot write beside itself.
    else if (!user.empty() && Writable(user))
        found = user;
    else
        found = beside;
    return found;
}

std::string SlotPath(int slot) {
    return SaveFolder() + "/Slot" + std::to_string(slot) + ".txt";
}

bool SlotExists(int slot) {
    struct stat st {};
    return slot >= 1 && slot <= kSaveSlots && stat(SlotPath(slot).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string PrintableText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = byte(i);
        if (c >= 0x20 && c < 0x7f) {
            shown += static_cast<char>(c);
            ++i;
            continue;
        }
        // A whole UTF-8 letter stays (a file name in Turkish is shown as typed).
        const int extra = c >= 0xc2 && c <= 0xdf   ? 1
                          : c >= 0xe0 && c <= 0xef ? 2
                          : c >= 0xf0 && c <= 0xf4 ? 3
                                                   : 0;
        uint32_t code = c & (0x3fu >> extra);
        bool whole = extra > 0 && i + extra < text.size();
        for (int k = 1; whole && k <= extra; ++k) {
            whole = (byte(i + k) & 0xc0) == 0x80;
            code = code << 6 | (byte(i + k) & 0x3fu);
        }
        const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        // C1 controls, surrogates, and the marks that turn or hide the text around them.
        const bool control = code < 0xa0 || (code >= 0xd800 && code <= 0xdfff) ||
                             (code >= 0x200b && code <= 0x200f) || (code >= 0x2028 && code <= 0x202e) ||
                             (code >= 0x2066 && code <= 0x2069) || code > 0x10ffff;
        if (whole && code >= least[extra] && !control) {
            shown.append(text, i, static_cast<size_t>(extra) + 1);
            i += static_cast<size_t>(extra) + 1;
        } else {
            shown += '?';
            ++i;
        }
    }
    return shown;
}

namespace {

// The temporary file's name: the output's own name and six random characters, in the
// same folder (so that the rename replaces the old file in one step). A name too long
// to take the six more is shortened for the temporary file only.
std::string TemporaryPattern(const std::string& path, const std::string& folder) {
    constexpr size_t kSuffix = 7; // ".XXXXXX"
    const size_t slash = path.find_last_of('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(nameAt);
    const long most = pathconf(folder.c_str(), _PC_NAME_MAX);
    const size_t longest = most > static_cast<long>(kSuffix) ? static_cast<size_t>(most) : 255;
    if (name.size() + kSuffix > longest) name.resize(longest - kSuffix);
    return path.substr(0, nameAt) + name + ".XXXXXX";
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& reason) {
    // A FIFO, a device or a folder at the output's name is never replaced, and neither is
    // a link (the file would not go where the link points).
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode)   ? Tr("that name is a folder", "o ad bir klasörün adı")
                 : S_ISLNK(st.st_mode) ? Tr("that name is a link, and a link is never written through",
                                            "o ad bir bağlantı ve bağlantının gösterdiği yere yazılmaz")
                                       : Tr("there is something other than a file at that name",
                                            "o adda dosyadan başka bir şey var");
        return false;
    }
    const std::string folder = FolderOf(path);
    std::string temporary = TemporaryPattern(path, folder);
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            if (n == 0) errno = EIO;
            break;
        }
        done += static_cast<size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    const int error = errno;
    ok = close(fd) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) {
        // The new name itself is made lasting too.
        if (const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
            fsync(dir);
            close(dir);
        }
        return true;
    }
    reason = std::strerror(errno ? errno : (error ? error : EIO));
    unlink(temporary.c_str());
    return false;
}

bool SaveToFile(const std::string& path, std::string& reason) {
    return WriteFileWhole(path, SaveGameText(), reason);
}

LoadOutcome LoadFromFile(const std::string& path) {
    // Opened without waiting (a FIFO would block) and read only when it is a file.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {false,
                    std::string(Tr("There is no saved game in this slot.", "Bu yuvada kayıtlı oyun yok."))};
        if (errno == EACCES || errno == EPERM)
            return {false, std::string(Tr("The saved game cannot be read: there is no permission to read it.",
                                          "Kayıtlı oyun okunamıyor: dosyayı okuma izni yok."))};
        return {false, std::string(Tr("The saved game could not be read.", "Kayıtlı oyun okunamadı.")) +
                           " (" + std::strerror(errno) + ")"};
    }
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        return {false,
                std::string(Tr("This is a folder, not a saved game.", "Bu bir klasör, kayıtlı oyun değil."))};
    }
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kLargestSave) {
        close(fd);
        return {false, std::string(Tr("This file is not a saved game of Annals.",
                                      "Bu dosya Annals'ın kayıtlı oyunu değil."))};
    }
    std::string text(static_cast<size_t>(st.st_size), '\0');
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = read(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    close(fd);
    if (done != text.size())
        return {false, std::string(Tr("The saved game could not be read.", "Kayıtlı oyun okunamadı."))};
    return LoadSaveText(text);
}

bool Save(int slot) {
    if (slot < 1 || slot > kSaveSlots) return false;
    std::string reason;
    if (SaveToFile(SlotPath(slot), reason)) {
        if (slot == kAutosaveSlot) autosaveFailureShown = false;
        return true;
    }
    // The autosave runs every turn: a full disk is told once, not every turn.
    if (slot == kAutosaveSlot && autosaveFailureShown) return false;
    if (slot == kAutosaveSlot) autosaveFailureShown = true;
    ShowMessage(std::string(Tr("The game could not be saved; the slot keeps what it held before. ",
                               "Oyun kaydedilemedi; yuva eski kaydını koruyor. ")) +
                "(" + SlotPath(slot) + ": " + reason + ")");
    return false;
}

bool Load(int slot) {
    if (slot < 1 || slot > kSaveSlots) return false;
    const LoadOutcome outcome = LoadFromFile(SlotPath(slot));
    if (!outcome.ok) ShowMessage(outcome.reason);
    return outcome.ok;
}

bool SlotHeader(int slot, int64_t& header) {
    if (slot < 1 || slot > kSaveSlots) return false;
    // The slot lists ask every frame: a file is read again only when it has changed.
    struct Known {
        std::string path;
        time_t modified = 0;
        long modifiedNs = 0; // a slot written twice within a second is still seen changed
        off_t size = -1;
        ino_t inode = 0;
        bool ok = false;
        int64_t header = 0;
    };
    static Known known[kSaveSlots + 1];
    const std::string path = SlotPath(slot);
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    Known& k = known[slot];
    if (k.path != path || k.modified != st.st_mtime || k.modifiedNs != st.st_mtim.tv_nsec ||
        k.size != st.st_size || k.inode != st.st_ino) {
        k = {path, st.st_mtime, st.st_mtim.tv_nsec, st.st_size, st.st_ino, false, 0};
        std::ifstream file(path, std::ios::binary);
        std::string first;
        if ((file >> first) && first.size() <= 11 &&
            first.find_first_not_of("-0123456789") == std::string::npos) {
            k.ok = true;
            k.header = std::strtoll(first.c_str(), nullptr, 10);
        }
    }
    header = k.header;
    return k.ok;
}

std::string SlotLabel(int slot) {
    if (!SlotExists(slot)) return Tr("Free Slot", "Boş Kayıt Yeri");
    int64_t header = 0;
    if (!SlotHeader(slot, header)) return Tr("Damaged Slot", "Bozuk Kayıt");
    return HeaderLabel(header);
}

} // namespace annals
