#include "DedicatedPages.h"

#include "AclPages.h"
#include "AdminPages.h"
#include "Layer2Pages.h"
#include "Layer3Pages.h"

void RegisterDedicatedPages() {
    RegisterLayer2Pages();
    RegisterAclPages();
    RegisterAdminPages();
    RegisterLayer3Pages();
}
