#pragma once

#include "LegacyStatus.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>

// A four-character folder code, as the legacy program named folders.
using FolderType = std::uint32_t;

// 'docs': the user's documents folder.
inline constexpr FolderType documentsFolderType = 0x646F6373;

// The name of the legacy library, length byte first.
inline constexpr char legacyLibraryName[] = "\x0c"
                                            "Kesh Library";

// A found legacy file.
struct LegacyFileRef {
    QString path;
};

// Finds the file named `fileName` (a length byte, then that many bytes of
// Japanese legacy text) in the folder of type `folderType`. Status 0 with
// `fileRef` set, or the reason it was not found: fileNotFound when the folder
// has no such file (unless `createFile` asks for an empty one to be made),
// badParameter for a folder type other than 'docs' or a name whose length
// byte overruns it, a text status when the name does not convert.
LegacyStatus::Code GetFileFromFileType(QByteArrayView fileName, FolderType folderType, bool createFile,
                                       LegacyFileRef* fileRef);
