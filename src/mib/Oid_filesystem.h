// Catalogue tables: agent file transfer (1.3.6.1.4.1.746.12.1.2) and file system (1.3.6.1.4.1.746.12.14).
#pragma once

#include "MibTableRow.h"

extern const MibTableRow BasicFileSystemTable[11];
extern const MibTableRow FilesystemDescriptionTable[10];
extern const MibTableRow FileSystemSaveSettings[3];
extern const MibTableRow FileSystemConfigurationTable[5];
extern const MibTableRow OutOfBandSettings[6];
extern const MibTableRow TrapColdstartTrapsSettings[12];
extern const MibTableRow FTPSystemTable[13];
extern const MibTableRow FilesystemControlStatusSettings[2];
extern const MibTableRow FilesystemControlProcessSettings[2];
extern const MibTableRow FileSystemDriveInformation[7];
extern const MibTableRow FileSystemDriveFormatControlSettings[5];
extern const MibTableRow FileSystemDriveChangeControlSettings[2];
extern const MibTableRow DriveInformationStackTable[8];
extern const MibTableRow FileSystemMakeDirectorySettings[2];
extern const MibTableRow FileSystemDeleteDirectorySettings[2];
extern const MibTableRow FileSystemDirectoryPathSettings[2];
extern const MibTableRow FileSystemDirectoryInformation[5];
extern const MibTableRow FileSystemFileRenameSettings[4];
extern const MibTableRow FileSystemDeleteFileSettings[4];
extern const MibTableRow FSCopyControlSettings[4];
extern const MibTableRow FileSystemMoveFileSettings[4];
