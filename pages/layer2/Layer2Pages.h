#pragma once

// Registers the openers of this area's dedicated pages.
void RegisterLayer2Pages();
