// trvtablegen OUTPUT HAND-FILE...: writes the simulator data of every variable table to OUTPUT, leaving
// out what the hand-written data files serve.
#include "TableGen.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: trvtablegen OUTPUT [HAND-FILE...]\n";
        return 2;
    }
    try {
        const auto served = tablegen::HandServed::read({argv + 2, argv + argc});
        std::vector<std::string> conflicts;
        const std::string text = tablegen::generateTables(served, &conflicts);
        for (const std::string& c : conflicts) std::cerr << "read with another type: " << c << '\n';
        std::ofstream out(argv[1]);
        out << text;
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
