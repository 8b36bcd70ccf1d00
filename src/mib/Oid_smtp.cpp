// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_smtp.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow SMTPControlSettings[] = {
    {"1.3.6.1.4.1.746.12.29.1.1", "Status", itInteger, acReadWrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.746.12.29.1.2", "Server Address", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.29.1.3", "Server Port", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.29.1.4", "Self Mail Address", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.29.1.5", "Test Messsage Subject", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.29.1.6", "Test Message Content", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.29.1.7", "Send Test Message", itInteger, acReadWrite, &SendNoActionList},
    {"1.3.6.1.4.1.746.12.29.2.1", "Send Test Status", itInteger, acReadOnly, &SuccessFailedInProcessingList},
    {},
};

constexpr MibTableRow MailReceiverTable[] = {
    {"1.3.6.1.4.1.746.12.29.3.1.1.1", "Index", itInteger, acNotAccess},
    {"1.3.6.1.4.1.746.12.29.3.1.1.2", "Address", itDisplayString, acReadWrite},
    {"1.3.6.1.4.1.746.12.29.3.1.1.3", "State", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};
