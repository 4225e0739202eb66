#pragma once

// Registers the opener of every dedicated page, so its menu item shows the page.
void RegisterDedicatedPages();
