#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "OwnedDescriptor.h"
#include "SystemCalls.h"

namespace quorvex {

// The names a run makes in its destination. Below the root given to confine(), every name is
// reached from an open descriptor of the root one component at a time, and no symbolic link is
// followed, neither on the way nor at the end: a link met there raises LinkInPath, so nothing
// below the root leads outside it, even when a link is swapped in while a run goes on. Links in
// the root's own path are followed: the user chose that path. A name outside the root is used
// as given, without following a link at its last component. The one look that may pass a link
// is leadsTo(), which opens nothing and only compares what it finds with a file already open.
//
// Where the kernel has openat2 (Linux 5.6), it resolves a whole path inside the root, refusing
// every link, in one call; a failure there is tried again one component at a time, which also
// tells what failed, and so is every call where the kernel lacks it.
class ConfinedFolder {
public:
    explicit ConfinedFolder(SystemCalls& calls) : calls_(calls) {}

    // Opens the root; an empty root ends the confinement. When the root cannot be opened, this
    // raises, and every later use of a name below it raises the same error.
    void confine(const std::string& root);

    // True when the path lies below the root, where no link is followed.
    bool confines(const std::string& path) const { return below(path).has_value(); }

    // An open descriptor of the file; the flags are open(2)'s, O_NOFOLLOW is added.
    int openFile(const std::string& path, int flags, mode_t mode);
    int openFolder(const std::string& path);
    void makeFolder(const std::string& path, mode_t mode);
    // The status of the name itself; nothing when nothing has that name.
    std::optional<struct stat> status(const std::string& path);
    // True when the path leads to the file with this status, its last component not followed.
    // This look follows links on the way: it opens nothing and changes nothing, and a name that
    // still reaches the very file written holds it. It is one call, where status() opens and
    // closes the name; a false answer is for status() to explain.
    bool leadsTo(const std::string& path, const struct stat& file);
    // Renames within the destination; without `replace` a taken name is left alone and raises.
    void rename(const std::string& from, const std::string& to, bool replace);
    void remove(const std::string& path);
    void makeLink(const std::string& target, const std::string& path);

private:
    // The folder holding a name, opened without links, and the name's last component.
    struct Place {
        OwnedDescriptor opened;
        int folder;
        std::string name;
    };

    std::optional<std::string> below(const std::string& path) const;
    // A name below an open root, neither the root itself nor with "..", which one call from the
    // root's descriptor can reach.
    bool reachableInOneCall(const std::string& relative) const;
    Place placeOf(const std::string& path);
    // The descriptor openat2 gives for the path below the root, or -1.
    int openBeneath(const std::string& relative, int flags, mode_t mode);
    // Raises the run-time error of a failed call on the name; LinkInPath when a link is there.
    [[noreturn]] void raise(int errnoValue, int folder, const std::string& name,
                            const std::string& path);
    bool isLink(int folder, const std::string& name);

    SystemCalls& calls_;
    std::string root_;
    OwnedDescriptor rootFolder_;
    int rootError_ = 0;
    bool beneathWorks_ = true;
};

}  // namespace quorvex
