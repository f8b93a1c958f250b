// The browser's measure of the report's text, for the C++ layout: widths, ascent, descent
// and line spacing in points, measured on a canvas in the font the page carries. Fonts are
// measured as the desktop measures them: at ten pixels a point with the pixel size made
// whole, each character's advance cut to 1/64 pixel and added up without kerning, ascent
// and descent rounded to 1/64 pixel, so both lay the form out alike.
//
// A character's advance is measured at the size of the font's own units, where it is whole
// pixels whatever a browser rounds to (WebKitGTK gives the advances of smaller text in whole
// pixels), and scaled to the size asked for. Firefox draws canvas text no larger than 2000
// pixels whatever size it is asked for; it measures at half the size of the units, where
// an advance is a whole number of half pixels, which it holds exactly (in sixtieths).

const PIXELS_PER_POINT = 10;
const SUBPIXELS = 64;
const EPSILON = 1e-6;
// A canvas gives a font's ascent and descent in whole pixels; at the size of the font's own
// units they are exact.
const DESIGN_PIXELS = 2048;
// The font the page carries (the report's, which the module names), in its units of 2048
// to the em.
const CARRIED_FONT = { ascent: 1901, descent: 483 };

// Whether the canvas draws text at the size of the font's units: twice the width at half
// that size, give or take the rounding of the half.
function drawsDesignSize(context, family) {
  const widthAt = (pixels) => {
    context.font = `${pixels}px "${family}"`;
    return context.measureText('Hg').width;
  };
  return Math.abs(widthAt(DESIGN_PIXELS) - 2 * widthAt(DESIGN_PIXELS / 2)) < 2;
}

// A font as measured at measurePixels, with what was measured of it so far.
function measuredFont(family, size, bold, measurePixels) {
  const pixels = Math.round(size * PIXELS_PER_POINT);
  return {
    // The pixels of the measure, and how many of them make one of the size asked for.
    css: `${bold ? 'bold ' : ''}${measurePixels}px "${family}"`,
    scale: pixels / measurePixels,
    // Ink is measured at the size itself, as the desktop's glyph boxes are.
    inkCss: `${bold ? 'bold ' : ''}${pixels}px "${family}"`,
    advances: new Map(),
    // Whole texts as measured: every report of a page measures the same headings and
    // titles again.
    widths: new Map(),
    overhangs: new Map(),
    measures: null,
  };
}

// family: the font the page carries, the report's.
export function createCanvasMeasure(document, family) {
  const context = document.createElement('canvas').getContext('2d');
  const fonts = new Map();
  const designSize = drawsDesignSize(context, family);
  const measurePixels = designSize ? DESIGN_PIXELS : DESIGN_PIXELS / 2;

  function fontOf(family, size, bold) {
    const key = `${bold ? 'b' : 'r'}${size}${family}`;
    if (!fonts.has(key)) fonts.set(key, measuredFont(family, size, bold, measurePixels));
    return fonts.get(key);
  }

  // A character's advance in 1/64 pixel, cut as the desktop cuts it. The canvas is set to a
  // font only when a character is first measured in it.
  function advance(font, character) {
    let subpixels = font.advances.get(character);
    if (subpixels === undefined) {
      context.font = font.css;
      subpixels = Math.floor(context.measureText(character).width * font.scale * SUBPIXELS + EPSILON);
      font.advances.set(character, subpixels);
    }
    return subpixels;
  }

  return {
    fontMeasures(family, size, bold) {
      const font = fontOf(family, size, bold);
      if (!font.measures) {
        const pixels = Math.round(size * PIXELS_PER_POINT);
        context.font = `${bold ? 'bold ' : ''}${DESIGN_PIXELS}px "${family}"`;
        const metrics = context.measureText('Hg');
        const scaled = (design) => Math.round((design / DESIGN_PIXELS) * pixels * SUBPIXELS) / SUBPIXELS;
        // A browser that cannot tell a font's ascent and descent exactly gets the carried font's own.
        const told = designSize && metrics.fontBoundingBoxAscent !== undefined;
        const ascent = scaled(told ? metrics.fontBoundingBoxAscent : CARRIED_FONT.ascent);
        const descent = scaled(told ? metrics.fontBoundingBoxDescent : CARRIED_FONT.descent);
        font.measures = {
          ascent: ascent / PIXELS_PER_POINT,
          descent: descent / PIXELS_PER_POINT,
          lineSpacing: (ascent + descent) / PIXELS_PER_POINT,
        };
      }
      return font.measures;
    },

    width(family, size, bold, text) {
      const font = fontOf(family, size, bold);
      let width = font.widths.get(text);
      if (width === undefined) {
        let subpixels = 0;
        for (const character of text) subpixels += advance(font, character);
        width = subpixels / SUBPIXELS / PIXELS_PER_POINT;
        font.widths.set(text, width);
      }
      return width;
    },

    // How far the ink of a character runs past its advance, in whole pixels as the desktop
    // rounds glyph boxes: its right edge rounded up, its advance to the nearest pixel.
    rightOverhang(family, size, bold, character) {
      const font = fontOf(family, size, bold);
      let overhang = font.overhangs.get(character);
      if (overhang === undefined) {
        context.font = font.inkCss;
        const metrics = context.measureText(character);
        overhang = Math.max(0, Math.ceil(metrics.actualBoundingBoxRight - EPSILON) - Math.round(metrics.width));
        font.overhangs.set(character, overhang);
      }
      return overhang / PIXELS_PER_POINT;
    },
  };
}
