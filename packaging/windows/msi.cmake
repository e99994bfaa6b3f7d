# SPDX-License-Identifier: MIT
# Builds the Windows Installer package: stages what the zip holds (both
# programs stripped, the user guide in English and German with its pictures,
# the README and the licence), lists the pictures for veltrisko.wxs, runs wixl
# on both and adds with msibuild what wixl cannot write.
#   cmake -DWIXL=wixl -DMSIBUILD=msibuild -DSTRIP=strip -DBIN_DIR=<build>/bin -DSOURCE_DIR=<source>
#         -DSTAGE=<folder> -DVERSION=0.1.0 -DPUBLISHER=... -DOUTPUT=<x.msi>
#         -P msi.cmake
#         [-DWEB_PAGE=<veltrisko.html>]
foreach(var WIXL MSIBUILD STRIP BIN_DIR SOURCE_DIR STAGE VERSION PUBLISHER OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "msi.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}/docs")
foreach(program veltrisko.exe veltrisko-pattern.exe)
  execute_process(COMMAND "${STRIP}" -o "${STAGE}/${program}" "${BIN_DIR}/${program}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${STRIP} failed on ${BIN_DIR}/${program}")
  endif()
endforeach()
file(COPY "${BIN_DIR}/user-guide.html" "${BIN_DIR}/user-guide.de.html" "${SOURCE_DIR}/README.md"
     "${SOURCE_DIR}/LICENSE" DESTINATION "${STAGE}")
file(COPY_FILE "${SOURCE_DIR}/resources/icon.ico" "${STAGE}/veltrisko.ico")

# The pictures the user guide shows, as the guide's build copied them.
file(GLOB pictures RELATIVE "${BIN_DIR}/docs" "${BIN_DIR}/docs/*")
list(SORT pictures)
if(NOT pictures)
  message(FATAL_ERROR "no pictures of the user guide in ${BIN_DIR}/docs")
endif()
set(files "")
set(index 0)
foreach(picture IN LISTS pictures)
  file(COPY "${BIN_DIR}/docs/${picture}" DESTINATION "${STAGE}/docs")
  math(EXPR index "${index} + 1")
  string(APPEND files "        <File Id=\"picture${index}\" Name=\"${picture}\""
                      " Source=\"docs/${picture}\"/>\n")
endforeach()
# The browser page beside the programs, when the build ships one.
set(page_component "")
if(WEB_PAGE)
  file(COPY_FILE "${WEB_PAGE}" "${STAGE}/veltrisko.html")
  set(page_component "    <DirectoryRef Id=\"INSTALLDIR\">
      <Component Id=\"BrowserPage\" Guid=\"*\">
        <File Id=\"veltrisko.html\" Name=\"veltrisko.html\" Source=\"veltrisko.html\" KeyPath=\"yes\"/>
      </Component>
    </DirectoryRef>
    <ComponentGroup Id=\"BrowserPage\">
      <ComponentRef Id=\"BrowserPage\"/>
    </ComponentGroup>
")
else()
  set(page_component "    <ComponentGroup Id=\"BrowserPage\"/>
")
endif()
file(WRITE "${STAGE}/pictures.wxs" "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Fragment>
    <DirectoryRef Id=\"DOCSDIR\">
      <Component Id=\"UserGuidePictures\" Guid=\"*\">
${files}      </Component>
    </DirectoryRef>
${page_component}  </Fragment>
</Wix>
")

# wixl finds the files relative to the folder it runs in. The package is
# written beside the output and renamed: never a half-written package.
execute_process(
  COMMAND "${WIXL}" --arch x64 -D "Version=${VERSION}" -D "Publisher=${PUBLISHER}"
          -o "${OUTPUT}.tmp" "${SOURCE_DIR}/packaging/windows/veltrisko.wxs" "${STAGE}/pictures.wxs"
  WORKING_DIRECTORY "${STAGE}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}.tmp")
  message(FATAL_ERROR "wixl failed (${status})")
endif()

file(READ "${SOURCE_DIR}/packaging/windows/veltrisko.wxs" wxs)
string(REGEX MATCH "UpgradeCode=\"({[-0-9A-F]+})\"" found "${wxs}")
set(UPGRADE_CODE "${CMAKE_MATCH_1}")

# What wixl 0.101 cannot write, written into its tables with msibuild.
set(queries
  # HKMU is -1 in the Registry table (wixl writes 4, which is no root).
  "UPDATE `Registry` SET `Root` = -1 WHERE `Root` = 4"
  # 64-bit components (+256), so that HKLM values are not redirected.
  "UPDATE `Component` SET `Attributes` = 256 WHERE `Attributes` = 0"
  "UPDATE `Component` SET `Attributes` = 260 WHERE `Attributes` = 4"
  # Every older version up to this one inclusive is replaced, features kept
  # (the attributes are part of the row's key: a new row).
  "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'OLDERVERSIONFOUND'"
  "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMin`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('${UPGRADE_CODE}', '0.0.0', '${VERSION}', 769, 'OLDERVERSIONFOUND')"
  # Immediate actions that set a property, without a deferred-only flag.
  "UPDATE `CustomAction` SET `Type` = 51 WHERE `Type` = 2099"
  # The registry search looks at the 64-bit registry (+16).
  "UPDATE `RegLocator` SET `Type` = 18 WHERE `Type` = 2"
  # The folder at the front of PATH, removed again on uninstall (-), in the
  # user's or (*) the system's environment. On removal Windows Installer
  # takes the entry with the separator after it: appended ([~];entry), the
  # last entry would leave its separator behind ("C:\foo;").
  "UPDATE `Component` SET `Condition` = 'NOT ALLUSERS=1' WHERE `Component` = 'UserPath'"
  "UPDATE `Component` SET `Condition` = 'ALLUSERS=1' WHERE `Component` = 'SystemPath'"
  "CREATE TABLE `Environment` (`Environment` CHAR(72) NOT NULL, `Name` CHAR(255) NOT NULL, `Value` CHAR(255), `Component_` CHAR(72) NOT NULL PRIMARY KEY `Environment`)"
  "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) VALUES ('UserPathEntry', '=-PATH', '[INSTALLDIR]<semicolon>[~]', 'UserPath')"
  "INSERT INTO `Environment` (`Environment`, `Name`, `Value`, `Component_`) VALUES ('SystemPathEntry', '=-*PATH', '[INSTALLDIR]<semicolon>[~]', 'SystemPath')"
  "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('RemoveEnvironmentStrings', 3300)"
  "INSERT INTO `InstallExecuteSequence` (`Action`, `Sequence`) VALUES ('WriteEnvironmentStrings', 5200)")
# A semicolon in the list would split it: it is put in afterwards.
string(ASCII 59 semicolon)
foreach(query IN LISTS queries)
  string(REPLACE "<semicolon>" "${semicolon}" query "${query}")
  execute_process(COMMAND "${MSIBUILD}" "${OUTPUT}.tmp" -q "${query}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE "${OUTPUT}.tmp")
    message(FATAL_ERROR "msibuild failed (${status}) on: ${query}")
  endif()
endforeach()
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
