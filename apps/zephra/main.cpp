#include <iostream>

#include "apps/zephra/Options.h"
#include "apps/zephra/ZephraMain.h"

int main(int argc, char** argv)
{
    const zephra_app::Options options = zephra_app::ParseOptions(argc, argv);
    if (!options.error.empty()) {
        std::cerr << "zephra: " << options.error << "\n" << zephra_app::UsageText("zephra");
        return 2;
    }
    if (options.help) {
        std::cout << zephra_app::UsageText("zephra");
        return 0;
    }
    return zephra_app::RunZephra(options);
}
