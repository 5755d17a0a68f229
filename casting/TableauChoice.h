#pragma once

#include "casting/Chart.h"

// The tableau chosen in the File menu, remembered in Kelvora's settings file (beside the update
// reminder's date) for the next start, for the casting board and for imports alike.
Tableau RememberedTableau();
// Remembers `tableau`; a choice that cannot be written holds for this run only.
void RememberTableau(Tableau tableau);
