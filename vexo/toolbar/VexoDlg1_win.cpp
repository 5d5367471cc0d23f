#include "VexoDlg1.h"

#include "resource.h"

CVexoDlg1::CVexoDlg1(CVexoApp& app) : CVexoDlg(app, IDD_VEXO_COMPACT) {}
