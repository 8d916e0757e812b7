#pragma once

#include <QCoreApplication>
#include <QString>

// A library file that a program is asked to work on, by the command line, the
// preferences or a file dialog: where it is, whether it is the default
// "~/Library/Kesh Data", and whether kesh can open a library there now.
class LibraryLocation {
    Q_DECLARE_TR_FUNCTIONS(LibraryLocation)

public:
    enum class State {
        Library,           // a kesh library is there (readable or not, its reading says)
        Missing,           // no file yet; its folder is there and may be written in
        FolderMissing,     // the folder that would hold it does not exist
        FolderNotWritable, // its folder may not be written in: no lock, no saves
        NotAFile,          // a folder or device stands there
        NotALibrary,       // a file of another kind stands there
    };

    // An empty path means the default library. Relative paths are taken from the current folder.
    explicit LibraryLocation(const QString& path = QString());

    const QString& path() const { return m_path; }
    bool isDefault() const;
    // The file name, or "<name> in <folder>" when the name alone would be the default's.
    QString shownName() const;

    // What stands at the path now.
    State state() const;
    // Why nothing can be opened there, ready to show; empty for Library and Missing.
    QString problem(State state) const;

    // Both paths name the same file, links and "." and ".." resolved.
    static bool sameFile(const QString& a, const QString& b);

private:
    QString m_path;
};
