#pragma once
// The form's pictures as a screen reader meets them: the clock a picture, the book a button
// that opens or closes the about view when it is pressed, as a click on it does.

namespace soatnoma::desktop {

// Installs, once for the program's life, the factory that answers for the form's pictures.
void InstallPictureAccessibility();

}  // namespace soatnoma::desktop
