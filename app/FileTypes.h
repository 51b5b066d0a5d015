#pragma once

#include "framework/FileType.h"

namespace app::FileTypes {

// The one declared document type, "text". The program opens and saves no files.
void Initialize();
const framework::FileType& Text();

} // namespace app::FileTypes
