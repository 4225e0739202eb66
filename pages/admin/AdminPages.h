#pragma once

// Registers the openers of this area's dedicated pages.
void RegisterAdminPages();
