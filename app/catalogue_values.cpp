#include "app/catalogue_values.h"

Text productListText;
TextArray productNames;
int32_t productIndex = 0;
Text productName;

void CreateCatalogueValues() {
  productNames = TextArray();
  productListText.clear();
  productName.clear();
  productIndex = 0;
}

void ReleaseCatalogueValues() {
  productNames = TextArray();
  Text().swap(productName);
  Text().swap(productListText);
}
