#pragma once

namespace vdm
{
// Watches a folder and every folder below it through Linux inotify, on one thread of its own.
// The callback runs on that thread: folder text (with a trailing separator), file name, action and,
// for Moved, the old file name. A rename within one folder is one Moved; a move between watched
// folders is a Delete in the old one and an Add in the new; out of the tree a Delete, into it an Add.
// A folder that becomes readable is reported as an Add with its contents. When the root itself is
// deleted or moved away, watching resumes, with an Add for each entry, once a folder is there again.
class FolderWatcher
{
public:
    enum class Action
    {
        Add = 1,
        Delete = 2,
        Modified = 3,
        Moved = 4
    };
    using Callback = std::function<void (const std::string& folder, const std::string& name, Action action,
                                         const std::string& oldName)>;

    // Message thread. Starts watching at once; a root that cannot be watched reports nothing.
    FolderWatcher (const juce::File& root, Callback callback);
    // Stops the thread and closes every watch.
    ~FolderWatcher();

private:
    void run();
    // The watch of the folder, or a negative value when it cannot be watched.
    int addWatches (const std::string& folder, bool reportContents);
    void removeWatchesBelow (const std::string& folder);
    // Gives the watches of a moved folder and of everything below it their new paths.
    void retarget (const std::string& from, const std::string& to);
    [[nodiscard]] bool isWatched (const std::string& folder) const;
    void awaitRoot();
    void readEvents();

    std::string rootFolder; // with a trailing separator
    int rootWatch = -1;
    int ancestorWatch = -1; // while the root is missing
    int descriptor = -1;
    int wakePipe[2] = { -1, -1 };
    std::map<int, std::string> folders; // watch descriptor to folder text; the watcher thread's own
    Callback callback;
    std::thread thread;

    JUCE_DECLARE_NON_COPYABLE (FolderWatcher)
};
} // namespace vdm
