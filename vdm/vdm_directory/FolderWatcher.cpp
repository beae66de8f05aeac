#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace vdm
{
namespace
{
    // IN_ATTRIB: a folder that could not be watched may have become readable. The self events tell when
    // the root itself goes away.
    constexpr uint32_t watchMask = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO |
                                   IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    // While the root is missing, its nearest existing ancestor is watched for anything that could bring it
    // back.
    constexpr uint32_t ancestorMask = IN_CREATE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    constexpr std::size_t eventBufferBytes = 64 * 1024;
} // namespace

FolderWatcher::FolderWatcher (const juce::File& root, Callback cb)
    : rootFolder (root.getFullPathName().toStdString() + "/"), callback (std::move (cb))
{
    descriptor = inotify_init1 (IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor < 0 || pipe (wakePipe) != 0)
        return;
    rootWatch = addWatches (rootFolder, false);
    thread = std::thread ([this] { run(); });
}

FolderWatcher::~FolderWatcher()
{
    if (thread.joinable())
    {
        const char stop = 1;
        [[maybe_unused]] const auto written = write (wakePipe[1], &stop, 1);
        thread.join();
    }
    for (const auto fd : { descriptor, wakePipe[0], wakePipe[1] })
        if (fd >= 0)
            close (fd);
}

int FolderWatcher::addWatches (const std::string& folder, bool reportContents)
{
    const auto watch = inotify_add_watch (descriptor, folder.c_str(), watchMask);
    if (watch < 0)
        return watch;
    folders[watch] = folder;
    // Entries made in a new folder before its watch existed are reported here, so none is missed.
    for (const auto& child : juce::File (folder).findChildFiles (juce::File::findFilesAndDirectories, false,
                                                                 "*", juce::File::FollowSymlinks::yes))
    {
        if (reportContents)
            callback (folder, child.getFileName().toStdString(), Action::Add, {});
        if (child.isDirectory())
            addWatches (child.getFullPathName().toStdString() + "/", reportContents);
    }
    return watch;
}

void FolderWatcher::removeWatchesBelow (const std::string& folder)
{
    for (auto entry = folders.begin(); entry != folders.end();)
    {
        if (entry->second.rfind (folder, 0) == 0)
        {
            inotify_rm_watch (descriptor, entry->first);
            entry = folders.erase (entry);
        }
        else
            ++entry;
    }
}

void FolderWatcher::retarget (const std::string& from, const std::string& to)
{
    for (auto& entry : folders)
        if (entry.second.rfind (from, 0) == 0)
            entry.second = to + entry.second.substr (from.size());
}

bool FolderWatcher::isWatched (const std::string& folder) const
{
    return std::any_of (folders.begin(), folders.end(),
                        [&folder] (const auto& entry) { return entry.second == folder; });
}

void FolderWatcher::awaitRoot()
{
    if (ancestorWatch >= 0)
        inotify_rm_watch (descriptor, ancestorWatch);
    ancestorWatch = -1;

    for (;;)
    {
        const auto root = juce::File (juce::String (rootFolder));
        if (root.isDirectory())
        {
            // Back again: everything in it is new to the tree.
            rootWatch = addWatches (rootFolder, true);
            return;
        }
        auto ancestor = root.getParentDirectory();
        while (! ancestor.isDirectory() && ! ancestor.isRoot())
            ancestor = ancestor.getParentDirectory();
        ancestorWatch = inotify_add_watch (descriptor, ancestor.getFullPathName().toRawUTF8(), ancestorMask);
        if (ancestorWatch < 0)
            return;
        // A folder that appeared on the way before the watch existed is looked at again; a file in
        // the way has to go first, which the watch reports.
        auto next = root;
        while (next.getParentDirectory() != ancestor && ! next.isRoot())
            next = next.getParentDirectory();
        if (! next.isDirectory())
            return;
        inotify_rm_watch (descriptor, ancestorWatch);
        ancestorWatch = -1;
    }
}

void FolderWatcher::run()
{
    for (;;)
    {
        pollfd fds[2] = { { descriptor, POLLIN, 0 }, { wakePipe[0], POLLIN, 0 } };
        if (poll (fds, 2, -1) < 0)
            continue;
        if ((fds[1].revents & POLLIN) != 0)
            return;
        if ((fds[0].revents & POLLIN) != 0)
            readEvents();
    }
}

void FolderWatcher::readEvents()
{
    alignas (inotify_event) std::array<char, eventBufferBytes> buffer;
    const auto length = read (descriptor, buffer.data(), buffer.size());
    if (length <= 0)
        return;

    // A move out of one place waits for its arrival, which is the next event; unmatched, it left the
    // tree. It is reported before anything that follows it, or changes made in the folder after it
    // left would reach the tree first.
    struct PendingMove
    {
        uint32_t cookie;
        std::string folder, name;
        bool isFolder;
    };
    std::vector<PendingMove> pending;
    const auto reportPending = [this, &pending]
    {
        for (const auto& move : pending)
        {
            callback (move.folder, move.name, Action::Delete, {});
            // Moved out of the tree: its watches follow it and must not report it under its old path.
            if (move.isFolder)
                removeWatchesBelow (move.folder + move.name + "/");
        }
        pending.clear();
    };

    for (auto offset = 0L; offset < length;)
    {
        const auto* event = reinterpret_cast<const inotify_event*> (buffer.data() + offset);
        offset += static_cast<long> (sizeof (inotify_event) + event->len);
        const auto arrival =
            (event->mask & IN_MOVED_TO) != 0 &&
            std::any_of (pending.begin(), pending.end(),
                         [event] (const PendingMove& m) { return m.cookie == event->cookie; });
        if (! arrival)
            reportPending();
        if (event->wd == ancestorWatch && ancestorWatch >= 0)
        {
            awaitRoot();
            continue;
        }
        const auto found = folders.find (event->wd);
        if (found == folders.end())
            continue;
        if ((event->mask & IN_IGNORED) != 0)
        {
            folders.erase (found);
            continue;
        }
        if (event->wd == rootWatch && (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF)) != 0)
        {
            // The root went away; watches still following its folders elsewhere would report wrong paths.
            removeWatchesBelow (rootFolder);
            rootWatch = -1;
            awaitRoot();
            continue;
        }
        if (event->len == 0)
            continue;
        const auto folder = found->second;
        const std::string name (event->name);
        const auto isFolder = (event->mask & IN_ISDIR) != 0;

        if ((event->mask & IN_MOVED_FROM) != 0)
        {
            pending.push_back ({ event->cookie, folder, name, isFolder });
            continue;
        }
        if ((event->mask & IN_MOVED_TO) != 0)
        {
            const auto from =
                std::find_if (pending.begin(), pending.end(),
                              [event] (const PendingMove& m) { return m.cookie == event->cookie; });
            if (from != pending.end() && from->folder == folder)
                callback (folder, name, Action::Moved, from->name);
            else
            {
                if (from != pending.end())
                    callback (from->folder, from->name, Action::Delete, {});
                callback (folder, name, Action::Add, {});
            }
            if (from != pending.end())
            {
                // The watches moved with the folder, even if it has moved on again since.
                if (isFolder)
                    retarget (from->folder + from->name + "/", folder + name + "/");
                pending.erase (from);
            }
            if (isFolder)
                addWatches (folder + name + "/", true);
            continue;
        }
        if ((event->mask & IN_CREATE) != 0)
        {
            callback (folder, name, Action::Add, {});
            if (isFolder)
                addWatches (folder + name + "/", true);
        }
        else if ((event->mask & IN_DELETE) != 0)
            callback (folder, name, Action::Delete, {});
        else if ((event->mask & IN_CLOSE_WRITE) != 0)
            callback (folder, name, Action::Modified, {});
        else if ((event->mask & IN_ATTRIB) != 0 && isFolder && ! isWatched (folder + name + "/") &&
                 access ((folder + name).c_str(), R_OK | X_OK) == 0)
        {
            // A folder that could not be read when it arrived (or at the start) can be now: it and
            // everything in it are new to the tree.
            callback (folder, name, Action::Add, {});
            addWatches (folder + name + "/", true);
        }
    }
    reportPending();
}
} // namespace vdm
