#include "ui/basmain.h"

int main(int argc, char* argv[])
{
    return runVarnholt(argc, argv);
}
