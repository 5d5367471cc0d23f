#pragma once
// The compact toolbar ([UI] Style 1). Its pickers arrive with the compact
// toolbar itself.
#include "VexoDlg.h"

class CVexoDlg1 : public CVexoDlg {
public:
    explicit CVexoDlg1(CVexoApp& app);
};
