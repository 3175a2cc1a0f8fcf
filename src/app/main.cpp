#include "app/start_up.h"

int main(int argc, char** argv)
{
    worvanta::app::WorvantaApplication application(argc, argv);
    return worvanta::app::runApplication();
}
