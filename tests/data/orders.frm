VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmOrders 
   BorderStyle     =   2  'Sizable
   Caption         =   "Orders"
   ClientHeight    =   4275
   ClientLeft      =   165
   ClientTop       =   450
   ClientWidth     =   6585
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   4275
   ScaleWidth      =   6585
   StartUpPosition =   3  'Windows Default
   Begin VB.Data datOrders 
      Align           =   2  'Align Bottom
      Caption         =   "Orders"
      Connect         =   "Access"
      DatabaseName    =   "orders.mdb"
      DefaultCursorType=   0  'DefaultCursor
      DefaultType     =   2  'UseODBC
      Exclusive       =   0   'False
      Height          =   345
      Left            =   0
      Options         =   0
      ReadOnly        =   0   'False
      RecordsetType   =   1  'Dynaset
      RecordSource    =   "Orders"
      Top             =   3930
      Width           =   6585
   End
   Begin VB.DriveListBox drvExport 
      Height          =   315
      Left            =   1200
      TabIndex        =   7
      Top             =   3480
      Width           =   2175
   End
   Begin VB.CommandButton cmdExport 
      Caption         =   "&Export"
      Height          =   375
      Left            =   5280
      TabIndex        =   8
      Top             =   3450
      Width           =   1215
   End
   Begin VB.TextBox txtCustomer 
      DataField       =   "Customer"
      DataSource      =   "datOrders"
      Height          =   315
      Left            =   1200
      TabIndex        =   1
      Top             =   120
      Width           =   5295
   End
   Begin VB.TextBox txtDate 
      DataField       =   "OrderDate"
      DataSource      =   "datOrders"
      Height          =   315
      Left            =   1200
      TabIndex        =   3
      Top             =   540
      Width           =   1695
   End
   Begin VB.TextBox txtNotes 
      DataField       =   "Notes"
      DataSource      =   "datOrders"
      Height          =   2355
      Left            =   1200
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   5
      Top             =   960
      Width           =   5295
   End
   Begin VB.Label lblCustomer 
      Caption         =   "&Customer:"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   150
      Width           =   975
   End
   Begin VB.Label lblDate 
      Caption         =   "&Date:"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   570
      Width           =   975
   End
   Begin VB.Label lblNotes 
      Caption         =   "&Notes:"
      Height          =   255
      Left            =   120
      TabIndex        =   4
      Top             =   990
      Width           =   975
   End
   Begin VB.Label lblDrive 
      Caption         =   "Dri&ve:"
      Height          =   255
      Left            =   120
      TabIndex        =   6
      Top             =   3510
      Width           =   975
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   4440
      Top             =   3360
      _ExtentX        =   847
      _ExtentY        =   847
      AddAllControls  =   -1  'True
      FormGUID        =   "{2B7E5C90-6A1D-4F83-9C4E-0D5A8B31E7F2}"
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   345
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmOrders"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
