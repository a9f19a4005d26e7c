#include <oslayer/class_factory.h>

#include <new>

#include "platform_objects.h"

IInterface::~IInterface() = default;

IInterface* CClassFactory::GetInterface(EInterfaceType kind) {
  switch (kind) {
    case IT_SECTION_FILE:
      return new (std::nothrow) oslayer_internal::CIniSectionFile;
    case IT_LOCK:
      return new (std::nothrow) oslayer_internal::CRecursiveLock;
    case IT_XML_PARSER:
      return new (std::nothrow) oslayer_internal::CPugiXmlParser;
    case IT_FILE:
      return new (std::nothrow) oslayer_internal::CPosixFile;
  }
  return nullptr;
}
