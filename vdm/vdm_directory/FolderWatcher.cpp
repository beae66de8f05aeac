#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace vdm
{
namespace
{
constexpr uint32_t watchMask = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;
constexpr std::size_t eventBufferBytes = 64 * 1024;
} // namespace

FolderWatcher::FolderWatcher (const juce::File& root, Callback cb) : callback (std::move (cb))
{
    descriptor = inotify_init1 (IN_NONBLOCK | IN_CLOEXEC);
    if (descriptor < 0 || pipe (wakePipe) != 0)
        return;
    addWatches (root.getFullPathName().toStdString() + "/", false);
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

void FolderWatcher::addWatches (const std::string& folder, bool reportContents)
{
    const auto watch = inotify_add_watch (descriptor, folder.c_str(), watchMask);
    if (watch < 0)
        return;
    folders[watch] = folder;
    // Entries made in a new folder before its watch existed are reported here, so none is missed.
    for (const auto& child : juce::File (folder).findChildFiles (juce::File::findFilesAndDirectories, false, "*",
                                                                 juce::File::FollowSymlinks::yes))
    {
        if (reportContents)
            callback (folder, child.getFileName().toStdString(), Action::Add, {});
        if (child.isDirectory())
            addWatches (child.getFullPathName().toStdString() + "/", reportContents);
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

    // A move out of one place waits for its arrival in the same batch; unmatched, it left the tree.
    struct PendingMove
    {
        uint32_t cookie;
        std::string folder, name;
    };
    std::vector<PendingMove> pending;

    for (auto offset = 0L; offset < length;)
    {
        const auto* event = reinterpret_cast<const inotify_event*> (buffer.data() + offset);
        offset += static_cast<long> (sizeof (inotify_event) + event->len);
        const auto found = folders.find (event->wd);
        if (found == folders.end() || event->len == 0)
            continue;
        const auto folder = found->second;
        const std::string name (event->name);
        const auto isFolder = (event->mask & IN_ISDIR) != 0;

        if ((event->mask & IN_MOVED_FROM) != 0)
        {
            pending.push_back ({ event->cookie, folder, name });
            continue;
        }
        if ((event->mask & IN_MOVED_TO) != 0)
        {
            const auto from = std::find_if (pending.begin(), pending.end(),
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
                pending.erase (from);
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
    }
    for (const auto& move : pending)
        callback (move.folder, move.name, Action::Delete, {});
}
} // namespace vdm
