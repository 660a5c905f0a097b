#include "app/startup/Application.h"

int main(int argc, char** argv)
{
    return Startup::runApplication(argc, argv);
}
