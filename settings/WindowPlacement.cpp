#include "settings/WindowPlacement.h"

WindowPlacement readPlacement(SettingsStore& store) {
    WindowPlacement stored;
    stored.left = store.readInt(SECTION_LOCATION, VALUE_X_POSITION, DEFAULT_X_POSITION);
    stored.top = store.readInt(SECTION_LOCATION, VALUE_Y_POSITION, DEFAULT_Y_POSITION);
    stored.width = store.readInt(SECTION_LOCATION, VALUE_X_SIZE, DEFAULT_X_SIZE);
    stored.height = store.readInt(SECTION_LOCATION, VALUE_Y_SIZE, DEFAULT_Y_SIZE);
    return stored;
}

WindowPlacement placementAtDpi(WindowPlacement stored, int dpi) {
    stored.width = scalePixels(stored.width, dpi);
    stored.height = scalePixels(stored.height, dpi);
    return stored;
}

WindowPlacement fitStoredPlacement(WindowPlacement placement, const WindowPlacement& workArea,
                                   int dpi) {
    const int margin = scalePixels(FIT_MARGIN, dpi);
    if (placement.width > workArea.width) {
        placement.left = workArea.left + margin;
        placement.width = workArea.width - 2 * margin;
    }
    if (placement.height > workArea.height) {
        placement.top = workArea.top + margin;
        placement.height = workArea.height - 2 * margin;
    }
    return placement;
}

void writeWindowSize(SettingsStore& store, int clientWidth, int clientHeight,
                     const FrameInsets& frame, int dpi) {
    store.writeInt(SECTION_LOCATION, VALUE_X_SIZE,
                   unscalePixels(clientWidth + frame.left + frame.right, dpi));
    store.writeInt(SECTION_LOCATION, VALUE_Y_SIZE,
                   unscalePixels(clientHeight + frame.top + frame.bottom, dpi));
}

void writeWindowPosition(SettingsStore& store, int clientLeft, int clientTop,
                         const FrameInsets& frame) {
    store.writeInt(SECTION_LOCATION, VALUE_X_POSITION, clientLeft - frame.left);
    store.writeInt(SECTION_LOCATION, VALUE_Y_POSITION, clientTop - frame.top);
}
