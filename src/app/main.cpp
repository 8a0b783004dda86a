#include "app/application.h"

int main(int argc, char** argv) { return zv::app::runZelvora(argc, argv); }
