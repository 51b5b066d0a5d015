#include "app/FileTypes.h"

#include "framework/Exceptions.h"

#include <optional>
#include <vector>

namespace app::FileTypes {

namespace {
std::optional<framework::FileType> pText;
// Every declared type, as the framework's registeredFileTypes() lists them too.
std::vector<framework::FileType> pAllFileTypes;
} // namespace

void Initialize()
{
    pText = framework::FileType{
        .Name = "text",
        .Extensions = "",
        .MacType = "TEXT",
        .MacCreator = "Mrby",
        .MimeType = "",
        .Imported = true,
        .ConformsTo = "",
    };
    pAllFileTypes.push_back(*pText);
    framework::RuntimeRegisterFileType(Text());
}

const framework::FileType& Text()
{
    if (!pText)
        throw framework::NilObjectException("no file type text");
    return *pText;
}

} // namespace app::FileTypes
