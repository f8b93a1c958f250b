// CSS pixels to a point of the report's page at its real size (100 % zoom): what the page is
// drawn, zoomed, pinned and typed over in.
export const PIXELS_PER_POINT = 4 / 3;
