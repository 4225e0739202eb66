#include "Layer2Pages.h"

#include "DedicatedPage.h"
#include "VlanStaticFormUnit.h"

void RegisterLayer2Pages() {
    RegisterPage<TVlanStaticForm>("TVlanStaticForm");
}
