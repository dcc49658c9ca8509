#include "gui/app/vantor_app.h"

int main(int argc, char** argv) {
  direvovu::gui::CVantorApp app(argc, argv);
  return app.run();
}
