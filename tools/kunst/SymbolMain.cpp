// qf_symbol: draws the game's desktop icon, as PNG in several sizes and as
// SVG, into a folder laid out like an icon theme.
#include "Symbol.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "Aufruf: qf_symbol ORDNER\n";
        return 2;
    }
    if (!Symbol::Mache(argv[1]))
        return 1;
    std::cout << "qf_symbol: Symbol in '" << argv[1] << "'\n";
    return 0;
}
