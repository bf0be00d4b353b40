#include "shell/VertebraApplication.h"

int main(int argc, char** argv) {
    VertebraApplication application(argc, argv);
    return application.Run();
}
