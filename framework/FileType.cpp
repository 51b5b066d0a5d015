#include "framework/FileType.h"

namespace framework {

namespace {
std::vector<FileType>& registry()
{
    static std::vector<FileType> types;
    return types;
}
} // namespace

void RuntimeRegisterFileType(const FileType& type)
{
    registry().push_back(type);
}

const std::vector<FileType>& registeredFileTypes()
{
    return registry();
}

} // namespace framework
