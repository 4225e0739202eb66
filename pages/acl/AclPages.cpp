#include "AclPages.h"

#include "DedicatedPage.h"

void RegisterAclPages() {
}
