// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_filesystem.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow BasicFileSystemTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.2", "Description", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.3", "Server Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.4", "Server IPv6 Address", itIpv6Address, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.5", "Server File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.7", "Device File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.8", "Load Type", itInteger, acReadWrite, &OtherUploadDownloadList},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.9", "Control Unit ID", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.12", "Control", itInteger, acReadWrite, &OtherInactiveStartList},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.15", " Increment", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow FilesystemDescriptionTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.2", "Description", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.3", "Server Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.5", "Server File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.7", "Device File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.8", "Load Type", itInteger, acReadWrite, &OtherUploadDownloadList},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.9", "Control Unit ID", itOctetString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.12", "Control", itInteger, acReadWrite, &OtherInactiveStartList},
    {"1.3.6.1.4.1.746.12.1.2.18.1.1.15", " Increment", itInteger, acReadWrite, &TruthValueList},
    {},
};

constexpr MibTableRow FileSystemSaveSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.18.3", "File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.4", "Save Configuration", itInteger, acReadWrite, &OtherCfgLogList},
    {},
};

constexpr MibTableRow FileSystemConfigurationTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.18.5.1.1", "Unit", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.18.5.1.3", "Boot Image", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.5.1.4", "Boot Configuration", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.18.5.1.5", "Active Configuration", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow OutOfBandSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.23.1", "State", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.23.2", "IP Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.23.3", "Subnet Mask", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.23.4", "Gateway", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.23.5", "Link State", itInteger, acReadOnly, &LinkUpLinkDownList},
    {},
};

constexpr MibTableRow TrapColdstartTrapsSettings[] = {
    {"1.3.6.1.4.1.746.12.1.2.24.1", "Coldstart Traps", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.24.2", "Warmstart Traps", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.24.3", "RMON Rising Alarm", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.24.4", "RMON Falling Alarm", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.24.5", "Save Configuration", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.24.6", "Upload Configuration", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.1.2.24.7", "Download Configuration ", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.15.11.2.1", "New Root Trap", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.15.11.2.2", "Topology Change Trap", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.4", "Fan Trap", itInteger, acReadWrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.746.12.11.1.5", "Power Trap", itInteger, acReadWrite, &EnabledDisabledList},
    {},
};

constexpr MibTableRow FTPSystemTable[] = {
    {"1.3.6.1.4.1.746.12.1.2.25.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.1.2.25.1.2", "Description ", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.1.2.25.1.3", "Load Type", itInteger, acReadWrite, &OtherUploadDownloadList},
    {"1.3.6.1.4.1.746.12.1.2.25.1.4", "Address Type", itInteger, acReadOnly, &Ipv4List},
    {"1.3.6.1.4.1.746.12.1.2.25.1.5", "Address", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.25.1.6", "TCP Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.25.1.7", "Server File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.25.1.8", "Device File Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.25.1.9", "User Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.25.1.10", "Password", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.1.2.25.1.12", "Boot Up Image", itInteger, acReadWrite, &TruthValueList},
    {"1.3.6.1.4.1.746.12.1.2.25.1.13", "Control", itInteger, acReadWrite, &OtherStartList},
    {},
};

constexpr MibTableRow FilesystemControlStatusSettings[] = {
    {"1.3.6.1.4.1.746.12.14.1.1", "Control Status", itInteger, acReadOnly, &OtherStartFinishList},
    {},
};

constexpr MibTableRow FilesystemControlProcessSettings[] = {
    {"1.3.6.1.4.1.746.12.14.1.2", "Control Process", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow FileSystemDriveInformation[] = {
    {"1.3.6.1.4.1.746.12.14.2.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.14.2.1.1.2", "Drive ID", itInteger, acReadOnly, &ABCList},
    {"1.3.6.1.4.1.746.12.14.2.1.1.3", "Type", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.2.1.1.4", "Size (MB)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.2.1.1.5", "Partition", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.2.1.1.6", "FS type", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow FileSystemDriveFormatControlSettings[] = {
    {"1.3.6.1.4.1.746.12.14.2.2.1", "Drive ID", itInteger, acReadWrite, &NoneABList2},
    {"1.3.6.1.4.1.746.12.14.2.2.2", "Fat", itInteger, acReadWrite, &Fat16Fat32List},
    {"1.3.6.1.4.1.746.12.14.2.2.3", "Label Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.2.2.5", "Activity", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow FileSystemDriveChangeControlSettings[] = {
    {"1.3.6.1.4.1.746.12.14.2.3.3", "Current Directory", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow DriveInformationStackTable[] = {
    {"1.3.6.1.4.1.746.12.14.2.4.1.1", "Unit ID", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.14.2.4.1.2", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.14.2.4.1.3", "Drive ID", itInteger, acReadOnly, &ABCList2},
    {"1.3.6.1.4.1.746.12.14.2.4.1.4", "Type", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.2.4.1.5", "Size (MB)", itInteger, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.2.4.1.6", "Partition", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.2.4.1.7", "FS type", itDisplayString, acReadOnly},
    {},
};

constexpr MibTableRow FileSystemMakeDirectorySettings[] = {
    {"1.3.6.1.4.1.746.12.14.3.1", "Make Directory", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow FileSystemDeleteDirectorySettings[] = {
    {"1.3.6.1.4.1.746.12.14.3.2", "Delete Directory", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow FileSystemDirectoryPathSettings[] = {
    {"1.3.6.1.4.1.746.12.14.3.3.1", "Directory Path", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow FileSystemDirectoryInformation[] = {
    {"1.3.6.1.4.1.746.12.14.3.3.2.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.14.3.3.2.1.2", "Attribute", itInteger, acReadOnly, &DirFileList},
    {"1.3.6.1.4.1.746.12.14.3.3.2.1.3", "Time", itDisplayString, acReadOnly},
    {"1.3.6.1.4.1.746.12.14.3.3.2.1.4", "Size", itInteger, acReadOnly},
    {},
};

constexpr MibTableRow FileSystemFileRenameSettings[] = {
    {"1.3.6.1.4.1.746.12.14.4.1.1", "Source Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.4.1.2", "Target Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.4.1.3", "Rename Activity", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow FileSystemDeleteFileSettings[] = {
    {"1.3.6.1.4.1.746.12.14.4.2.1", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.4.2.2", "Option", itInteger, acReadWrite, &NoneRecursiveList},
    {"1.3.6.1.4.1.746.12.14.4.2.3", "Activity", itInteger, acReadWrite, &NoneStartList},
    {},
};

constexpr MibTableRow FSCopyControlSettings[] = {
    {"1.3.6.1.4.1.746.12.14.5.1", "Source Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.5.2", "Destination Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.5.3", "Activity", itInteger, acReadWrite, &NoneStartFileToFileList},
    {},
};

constexpr MibTableRow FileSystemMoveFileSettings[] = {
    {"1.3.6.1.4.1.746.12.14.6.1", "Source Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.6.4", "Destination Name", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.14.6.5", "Activity", itInteger, acReadWrite, &NoneStartList},
    {},
};
