// The dedicated dialogs of the ACL menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterAclDialogs(DialogClassRegistrar& registry);
