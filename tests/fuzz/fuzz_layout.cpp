#include "app/MainWindowClasses.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Everything the main window's layout may name, skinned controls included.
    const TClassRegistry& registry = MainWindowClasses();
    TForm root;
    root.Handlers()["Click"] = [] {};
    try {
        ReadLayout({ reinterpret_cast<const char*>(data), size }, root, registry, root.Handlers());
    } catch (const EReadError&) {
    }
    return 0;
}
