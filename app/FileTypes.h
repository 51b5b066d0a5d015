#pragma once

#include "framework/FileType.h"

#include <vector>

namespace app::FileTypes {

// The one declared document type, "text". The program opens and saves no files.
void Initialize();
const framework::FileType& Text();
const std::vector<framework::FileType>& all();

} // namespace app::FileTypes
