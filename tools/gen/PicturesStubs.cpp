#include "tools/gen/Catalog.h"
namespace gen {
void AddStackPictures(PictureTable&) {}
void AddQueuePictures(PictureTable&) {}
void AddTreePictures(PictureTable&) {}
}
