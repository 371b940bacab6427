#pragma once
// Resource identifiers, grouped by kind.

// Icons
#define IDI_HIVORA 100
