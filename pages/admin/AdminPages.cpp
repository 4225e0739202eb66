#include "AdminPages.h"

#include "DedicatedPage.h"

void RegisterAdminPages() {
}
