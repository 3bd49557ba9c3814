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

namespace {

constexpr long kLargestSave = 16L << 20; // far above any real game; a bigger file is no save

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

bool Writable(const std::string& folder) {
    return MakeFolders(folder) && access(folder.c_str(), W_OK) == 0;
}

std::string UserSaveFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        return std::string(xdg) + "/annals/Save";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share/annals/Save";
    return {};
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

bool SaveToFile(const std::string& path, std::string& reason) {
    // A FIFO, a device or a folder at the output's name is never replaced by a save,
    // and neither is a link (the save would not go where the link points).
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        reason = Tr("there is something other than a file at that name", "o adda dosyadan başka bir şey var");
        return false;
    }
    const std::string text = SaveGameText();
    // The temporary file is a new one of our own: created exclusively under a fresh
    // name, so nothing planted at a known name is ever written through.
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    for (size_t done = 0; ok && done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
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
        const size_t slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "."
                                   : slash == 0               ? "/"
                                                              : path.substr(0, slash);
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

LoadOutcome LoadFromFile(const std::string& path) {
    // Opened without waiting (a FIFO would block) and read only when it is a file.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {false,
                std::string(Tr("There is no saved game in this slot.", "Bu yuvada kayıtlı oyun yok."))};
    struct stat st {};
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
    if (!SlotExists(slot)) return Tr("Free Slot", "Boş Yuva");
    int64_t header = 0;
    if (!SlotHeader(slot, header)) return Tr("Damaged Slot", "Bozuk Kayıt");
    return HeaderLabel(header);
}

} // namespace annals
