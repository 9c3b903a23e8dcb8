// The plain save chooser.
#pragma once

#include "toolkit/widgets/AbstractFileChooser.h"

class SaveAsDialog : public AbstractFileChooser {};
