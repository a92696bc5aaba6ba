#pragma once

namespace Algorithm {

// Index of the key in an ascending array; -1 when absent or the count is below 1.
int BinarySearch(const int* array, int key, int count);
// Index of the key with found set, or the index at which the key would be inserted with
// found cleared.
int BinarySearch(bool* found, const unsigned long* array, unsigned long key, int count);
// Sorts array[left..right] ascending in place.
void QuickSort(int* array, int left, int right);
// In an array of count elements, shifts array[position..count-2] up by one (the last
// element drops out) and stores the value at the position; false for a position outside.
bool Insert(int* array, int value, int position, int count);
bool Insert(unsigned long* array, unsigned long value, int position, int count);

} // namespace Algorithm
