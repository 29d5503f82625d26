// String-resource ids of the image classes; the texts are in image.rc, which the program (and every
// test program of the image classes) links. Plain #defines, so that the resource compiler reads this
// file too.
#pragma once

// "Rotate90: Error, unsupported format."
#define IDS_IMAGE_ROTATE_UNSUPPORTED 23101
