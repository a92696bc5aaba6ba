#include "model/geodesy/AlgorithmSearch.h"

#include <utility>

namespace Algorithm {

namespace {

// Lower bound of the key in array[0..count-1].
template <typename T>
int lowerBound(const T* array, T key, int count)
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (array[middle] < key)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

template <typename T>
bool insertAt(T* array, T value, int position, int count)
{
    if (position < 0 || position >= count)
        return false;
    for (int i = count - 1; i > position; --i)
        array[i] = array[i - 1];
    array[position] = value;
    return true;
}

} // namespace

int BinarySearch(const int* array, int key, int count)
{
    if (count < 1)
        return -1;
    const int index = lowerBound(array, key, count);
    return index < count && array[index] == key ? index : -1;
}

int BinarySearch(bool* found, const unsigned long* array, unsigned long key, int count)
{
    const int index = count < 1 ? 0 : lowerBound(array, key, count);
    *found = index < count && array[index] == key;
    return index;
}

void QuickSort(int* array, int left, int right)
{
    while (left < right) {
        const int pivot = array[left + (right - left) / 2];
        int i = left;
        int j = right;
        while (i <= j) {
            while (array[i] < pivot)
                ++i;
            while (array[j] > pivot)
                --j;
            if (i <= j)
                std::swap(array[i++], array[j--]);
        }
        if (left < j)
            QuickSort(array, left, j);
        left = i;
    }
}

bool Insert(int* array, int value, int position, int count)
{
    return insertAt(array, value, position, count);
}

bool Insert(unsigned long* array, unsigned long value, int position, int count)
{
    return insertAt(array, value, position, count);
}

} // namespace Algorithm
