#pragma once

#include <string>
#include <vector>

namespace framework {

// A declared document type.
struct FileType {
    std::string Name;
    std::string Extensions;
    std::string MacType;
    std::string MacCreator;
    std::string MimeType;
    bool Imported = false;
    std::string ConformsTo;
};

// Registers the type with the framework, which lists it among the application's types.
void RuntimeRegisterFileType(const FileType& type);
const std::vector<FileType>& registeredFileTypes();

} // namespace framework
