#include "Layer3Pages.h"

#include "DedicatedPage.h"

void RegisterLayer3Pages() {
}
