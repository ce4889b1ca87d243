#include "shell/application.h"

int main(int argc, char *argv[])
{
    return pindrel::run(argc, argv);
}
