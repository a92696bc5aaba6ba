#pragma once

class GallerySection;

// The parts of the gallery, each built with its samples and their styles.
// The tones first to last, both included.
GallerySection* makeToneSection(int first, int last);
GallerySection* makeTitleBarSection();
GallerySection* makeHomeSection();
GallerySection* makePanelSection();
GallerySection* makeWiFiSection();
GallerySection* makeOtherVesselsSection();
GallerySection* makeLibrarySection();
